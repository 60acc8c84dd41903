// The parameter file's bytes: building the image of the table and checking
// and reading a file's bytes back into it.

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "programs/core/parameterdatei.h"
#include "support/qor_error.h"
#include "ui/globals.h"

namespace {

constexpr std::size_t kTypFeld = 32;
constexpr std::size_t kVersionOffset = 32;
constexpr std::size_t kKopfGroesse = 36;
constexpr std::size_t kErsterSatz = 40;
constexpr std::size_t kSatzGroesse = sizeof(Programm);
constexpr std::size_t kNamenFeld = sizeof(Programm::programmname);
static_assert(kErsterSatz + PROGRAMM_ANZAHL * kSatzGroesse == PARAMETERDATEI_GROESSE);

// Explicit little-endian, whatever the host's byte order.
void SchreibeLE(unsigned char* ziel, std::uint64_t wert, int bytes) {
  for (int i = 0; i < bytes; ++i) ziel[i] = static_cast<unsigned char>(wert >> (8 * i));
}

std::uint64_t LiesLE(const unsigned char* quelle, int bytes) {
  std::uint64_t wert = 0;
  for (int i = 0; i < bytes; ++i) wert |= std::uint64_t{quelle[i]} << (8 * i);
  return wert;
}

void SatzSchreiben(unsigned char* ziel, const Programm& programm) {
  // At most 31 characters, so the field always ends in a NUL.
  const std::size_t laenge = strnlen(programm.programmname, kNamenFeld - 1);
  std::memcpy(ziel, programm.programmname, laenge);
  std::size_t offset = kNamenFeld;
  for (const ProgrammWert& wert : PROGRAMM_WERTE) {
    SchreibeLE(ziel + offset, std::bit_cast<std::uint64_t>(programm.*wert.feld), 8);
    offset += 8;
  }
}

Programm SatzLesen(const unsigned char* quelle) {
  Programm programm{};
  std::memcpy(programm.programmname, quelle, kNamenFeld - 1);
  programm.programmname[kNamenFeld - 1] = '\0';
  std::size_t offset = kNamenFeld;
  for (const ProgrammWert& wert : PROGRAMM_WERTE) {
    programm.*wert.feld = std::bit_cast<double>(LiesLE(quelle + offset, 8));
    offset += 8;
  }
  return programm;
}

// The type field compared as a text that ends at its NUL or at the field's end.
bool TypStimmt(const unsigned char* feld) {
  const char* text = reinterpret_cast<const char*>(feld);
  const std::size_t laenge = strnlen(text, kTypFeld);
  return laenge == std::strlen(PARAMETERDATEI_TYP) && std::memcmp(text, PARAMETERDATEI_TYP, laenge) == 0;
}

void VersionMelden(int gefunden) {
  char text[64];
  std::snprintf(text, sizeof text,
                gSprache == 2 ? "expected: V %d\nfound: V %d" : "erwartet: V %d\ngefunden: V %d",
                PARAMETERDATEI_VERSION, gefunden);
  QOR_Fehleruserstring(text);
}

}  // namespace

ParameterdateiBild Parameterdatei_Bauen(ProgrammTabelleLesen tabelle) {
  ParameterdateiBild bild{};
  std::memcpy(bild.data(), PARAMETERDATEI_TYP, std::strlen(PARAMETERDATEI_TYP));
  SchreibeLE(bild.data() + kVersionOffset, static_cast<std::uint32_t>(PARAMETERDATEI_VERSION), 4);
  for (std::size_t i = 0; i < tabelle.size(); ++i) {
    SatzSchreiben(bild.data() + kErsterSatz + i * kSatzGroesse, tabelle[i]);
  }
  return bild;
}

int Parameterdatei_Einlesen(std::span<const unsigned char> bytes, ProgrammTabelle tabelle) {
  if (bytes.size() < kKopfGroesse) return PARAMETERDATEI_KOPF_ZU_KURZ;
  if (!TypStimmt(bytes.data())) return PARAMETERDATEI_FALSCHER_TYP;
  const auto version = static_cast<std::int32_t>(LiesLE(bytes.data() + kVersionOffset, 4));
  if (version != PARAMETERDATEI_VERSION) {
    VersionMelden(version);
    return PARAMETERDATEI_FALSCHE_VERSION;
  }
  if (bytes.size() < PARAMETERDATEI_GROESSE) return PARAMETERDATEI_ZU_KURZ;

  std::array<Programm, PROGRAMM_ANZAHL> gelesen;
  for (std::size_t i = 0; i < gelesen.size(); ++i) {
    gelesen[i] = SatzLesen(bytes.data() + kErsterSatz + i * kSatzGroesse);
  }
  std::copy(gelesen.begin(), gelesen.end(), tabelle.begin());
  return 0;
}
