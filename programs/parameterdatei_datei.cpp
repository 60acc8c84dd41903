// Saving and loading the parameter file. Saving never writes into the
// operator's file: the new bytes go to a temporary file beside it, which is
// flushed to disk and then renamed over it in one step.

#include <cstdio>
#include <string>
#include <system_error>

#include "programs/parameterdatei.h"
#include "programs/parameterdatei_hook.h"
#include "support/file_replace.h"

namespace {

namespace fs = std::filesystem;

constexpr int kLetzterTempZaehler = 999;

ParameterdateiVorErsetzenHook vorErsetzenHook = nullptr;

fs::path TempName(const fs::path& ordner, int zaehler) {
  return ordner / ("vlt$$" + std::to_string(zaehler) + ".TMP");
}

// The temporary file beside the target, held by this process while it is
// open: deleted and closed unless it has become the target.
class TempDatei {
 public:
  TempDatei() = default;
  TempDatei(const TempDatei&) = delete;
  TempDatei& operator=(const TempDatei&) = delete;
  ~TempDatei() {
    // Deleted while still held, so that no other save takes it over meanwhile.
    if (!pfad_.empty()) {
      std::error_code ignoriert;
      fs::remove(pfad_, ignoriert);
    }
    if (datei_ != nullptr) std::fclose(datei_);
  }

  // Takes the first "vlt$$N.TMP" in the folder that no other save holds,
  // reusing one that a killed save left; so a crash leaves at most one
  // temporary file, which the next save takes over.
  bool Erstellen(const fs::path& ordner) {
    for (int zaehler = 0; zaehler <= kLetzterTempZaehler; ++zaehler) {
      fs::path kandidat = TempName(ordner, zaehler);
      switch (file_replace::OpenHeldFile(kandidat, &datei_)) {
        case file_replace::CreateResult::Created:
          pfad_ = std::move(kandidat);
          return true;
        case file_replace::CreateResult::NameTaken:
          continue;
        case file_replace::CreateResult::Failed:
          return false;
      }
    }
    return false;
  }

  // Writes the image and pushes it to the disk; the file stays held.
  bool Schreiben(const ParameterdateiBild& bild) {
    return std::fwrite(bild.data(), 1, bild.size(), datei_) == bild.size() &&
           file_replace::FlushToDisk(datei_) == 0;
  }

  const fs::path& pfad() const { return pfad_; }
  // The file now stands under the target's name.
  void Uebergeben() { pfad_.clear(); }

 private:
  fs::path pfad_;
  std::FILE* datei_ = nullptr;
};

// Temporary files that earlier saves left when they were killed; the ones
// another save holds right now stay.
void UebrigeTempsEntfernen(const fs::path& ordner) {
  std::error_code fehler;
  for (int zaehler = 0; zaehler <= kLetzterTempZaehler; ++zaehler) {
    const fs::path kandidat = TempName(ordner, zaehler);
    if (fs::exists(fs::symlink_status(kandidat, fehler))) file_replace::RemoveUnheldFile(kandidat);
  }
}

// A rename would replace even a file the user may not write; such a file is
// refused as the old program refused to open it. Anything but a regular file
// or a free name is refused too.
bool ZielBeschreibbar(const fs::file_status& status, const fs::path& ziel) {
  if (status.type() == fs::file_type::not_found) return true;
  if (status.type() != fs::file_type::regular) return false;
  std::FILE* probe = file_replace::OpenFile(ziel, "r+b");
  if (probe == nullptr) return false;
  std::fclose(probe);
  return true;
}

}  // namespace

void Parameterdatei_SetVorErsetzenHook(ParameterdateiVorErsetzenHook hook) { vorErsetzenHook = hook; }

int Parameterdatei_Speichern(const fs::path& pfad, ProgrammTabelleLesen tabelle) {
  const ParameterdateiBild bild = Parameterdatei_Bauen(tabelle);
  std::error_code fehler;
  const fs::file_status status = fs::status(pfad, fehler);
  if (!ZielBeschreibbar(status, pfad)) return PARAMETERDATEI_NICHT_ERSTELLBAR;

  const fs::path ordner = pfad.parent_path().empty() ? fs::path(".") : pfad.parent_path();
  TempDatei temp;
  if (!temp.Erstellen(ordner)) return PARAMETERDATEI_NICHT_ERSTELLBAR;
  if (!temp.Schreiben(bild)) return PARAMETERDATEI_SCHREIBFEHLER;
  if (status.type() == fs::file_type::regular) {
    fs::permissions(temp.pfad(), status.permissions(), fs::perm_options::replace, fehler);
    if (fehler) return PARAMETERDATEI_SCHREIBFEHLER;
  }
  if (vorErsetzenHook != nullptr && vorErsetzenHook(temp.pfad(), pfad) != 0) {
    return PARAMETERDATEI_SCHREIBFEHLER;
  }
  if (file_replace::ReplaceFileAtomically(temp.pfad(), pfad) != 0) return PARAMETERDATEI_SCHREIBFEHLER;
  temp.Uebergeben();
  UebrigeTempsEntfernen(ordner);
  return 0;
}

int Parameterdatei_Laden(const fs::path& pfad, ProgrammTabelle tabelle) {
  std::error_code fehler;
  const fs::file_status status = fs::status(pfad, fehler);
  if (status.type() == fs::file_type::not_found) return PARAMETERDATEI_FEHLT;
  // A directory opens for reading on some systems, and a pipe or device would
  // block or never end: only a regular file is read.
  if (status.type() != fs::file_type::regular) return PARAMETERDATEI_NICHT_LESBAR;

  std::FILE* datei = file_replace::OpenFile(pfad, "rb");
  if (datei == nullptr) return PARAMETERDATEI_NICHT_LESBAR;
  ParameterdateiBild bild{};
  // One read of the longest useful length: what lies beyond is ignored, and
  // the checks tell a short header from a short file by the count.
  const std::size_t gelesen = std::fread(bild.data(), 1, bild.size(), datei);
  std::fclose(datei);
  return Parameterdatei_Einlesen(std::span<const unsigned char>(bild.data(), gelesen), tabelle);
}
