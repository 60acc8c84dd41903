// The parameter-file loader on any bytes. A refused file leaves the table as
// it was; for an accepted one the image built from the table reads back into
// the same table (names as texts, values bit for bit, NaNs included), and
// building again gives the same image.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

#include "programs/core/parameterdatei.h"

namespace {

using Tabelle = std::array<Programm, PROGRAMM_ANZAHL>;

constexpr std::size_t kWerteOffset = sizeof(Programm::programmname);

bool Gleich(const Tabelle& a, const Tabelle& b) {
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto* x = reinterpret_cast<const unsigned char*>(&a[i]);
    const auto* y = reinterpret_cast<const unsigned char*>(&b[i]);
    if (std::strcmp(a[i].programmname, b[i].programmname) != 0 ||
        std::memcmp(x + kWerteOffset, y + kWerteOffset, sizeof(Programm) - kWerteOffset) != 0)
      return false;
  }
  return true;
}

Tabelle Vorbelegt() {
  Tabelle tabelle{};
  for (Programm& programm : tabelle) std::memcpy(programm.programmname, "vorher", 7);
  return tabelle;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Tabelle vorher = Vorbelegt();
  Tabelle gelesen = vorher;
  if (Parameterdatei_Einlesen(std::span<const unsigned char>(data, size), gelesen) != 0) {
    if (!Gleich(gelesen, vorher)) std::abort();
    return 0;
  }
  const ParameterdateiBild bild = Parameterdatei_Bauen(gelesen);
  Tabelle wieder = vorher;
  if (Parameterdatei_Einlesen(bild, wieder) != 0 || !Gleich(gelesen, wieder)) std::abort();
  if (Parameterdatei_Bauen(wieder) != bild) std::abort();
  return 0;
}
