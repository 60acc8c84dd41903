// Saving and loading the parameter file. Saving never writes into the
// operator's file: the new bytes go to a temporary file beside it, which is
// flushed to disk and then renamed over it in one step.

#include <cstdio>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "programs/parameterdatei.h"
#include "programs/parameterdatei_hook.h"
#include "support/file_replace.h"

namespace {

namespace fs = std::filesystem;

// Temporary files are named "vlt$$" and 16 random hexadecimal digits ".TMP":
// a name is never used twice, so no save can rename another one's file.
constexpr const char* kTempVorsilbe = "vlt$$";
constexpr const char* kTempEndung = ".TMP";
constexpr int kNamensversuche = 8;

ParameterdateiVorErsetzenHook vorErsetzenHook = nullptr;

bool IstTempName(const std::string& name) {
  return name.size() > 9 && name.starts_with(kTempVorsilbe) && name.ends_with(kTempEndung);
}

// Removes the temporary files that killed saves left in the folder, before
// the next one is made: a crash at any moment then leaves at most one. A save
// that another program instance runs in the same folder at this very moment
// loses its temporary file and reports a write error; no file is harmed.
void UebrigeTempsEntfernen(const fs::path& ordner) {
  std::vector<fs::path> uebrige;
  std::error_code fehler;
  std::error_code ignoriert;
  for (fs::directory_iterator it(ordner, fehler), ende; !fehler && it != ende; it.increment(fehler)) {
    if (IstTempName(it->path().filename().string()) &&
        it->symlink_status(ignoriert).type() == fs::file_type::regular) {
      uebrige.push_back(it->path());
    }
  }
  for (const fs::path& pfad : uebrige) fs::remove(pfad, ignoriert);
}

// The temporary file beside the target: closed and deleted unless it has
// become the target.
class TempDatei {
 public:
  TempDatei() = default;
  TempDatei(const TempDatei&) = delete;
  TempDatei& operator=(const TempDatei&) = delete;
  ~TempDatei() {
    if (datei_ != nullptr) std::fclose(datei_);
    if (!pfad_.empty()) {
      std::error_code ignoriert;
      fs::remove(pfad_, ignoriert);
    }
  }

  bool Erstellen(const fs::path& ordner) {
    std::random_device zufall;
    for (int versuch = 0; versuch < kNamensversuche; ++versuch) {
      char name[32];
      std::snprintf(name, sizeof name, "%s%08X%08X%s", kTempVorsilbe, zufall(), zufall(), kTempEndung);
      fs::path kandidat = ordner / name;
      switch (file_replace::CreateNewFile(kandidat, &datei_)) {
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

  bool SchreibenUndSchliessen(const ParameterdateiBild& bild) {
    const bool geschrieben = std::fwrite(bild.data(), 1, bild.size(), datei_) == bild.size() &&
                             file_replace::FlushToDisk(datei_) == 0;
    const bool geschlossen = std::fclose(datei_) == 0;
    datei_ = nullptr;
    return geschrieben && geschlossen;
  }

  const fs::path& pfad() const { return pfad_; }
  void Uebergeben() { pfad_.clear(); }

 private:
  fs::path pfad_;
  std::FILE* datei_ = nullptr;
};

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
  UebrigeTempsEntfernen(ordner);
  TempDatei temp;
  if (!temp.Erstellen(ordner)) {
    return PARAMETERDATEI_NICHT_ERSTELLBAR;
  }
  if (!temp.SchreibenUndSchliessen(bild)) return PARAMETERDATEI_SCHREIBFEHLER;
  if (status.type() == fs::file_type::regular) {
    fs::permissions(temp.pfad(), status.permissions(), fs::perm_options::replace, fehler);
    if (fehler) return PARAMETERDATEI_SCHREIBFEHLER;
  }
  if (vorErsetzenHook != nullptr && vorErsetzenHook(temp.pfad(), pfad) != 0) {
    return PARAMETERDATEI_SCHREIBFEHLER;
  }
  if (file_replace::ReplaceFileAtomically(temp.pfad(), pfad) != 0) return PARAMETERDATEI_SCHREIBFEHLER;
  temp.Uebergeben();
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
