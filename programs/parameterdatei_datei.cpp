// Saving and loading the parameter file. Saving never writes into the
// operator's file: the new bytes go to a temporary file beside it, which is
// flushed to disk and then renamed over it in one step.

#include <cstdio>
#include <string>
#include <system_error>

#include "programs/parameterdatei.h"
#include "programs/parameterdatei_hook.h"
#include "support/file_replace.h"
#include "support/held_temp_file.h"

namespace {

namespace fs = std::filesystem;

ParameterdateiVorErsetzenHook vorErsetzenHook = nullptr;

// A rename would replace even a file the user may not write; such a file is
// refused, as opening it for writing would be. Anything but a regular file
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
  file_replace::HeldTempFile temp("vlt$$");
  if (temp.Create(ordner) != file_replace::HeldTempFile::Result::Created) {
    return PARAMETERDATEI_NICHT_ERSTELLBAR;
  }
  // The new file keeps the permission bits of the one it replaces.
  if (!temp.Write(bild.data(), bild.size()) || !temp.TakePermissionsOf(pfad)) {
    return PARAMETERDATEI_SCHREIBFEHLER;
  }
  if (vorErsetzenHook != nullptr && vorErsetzenHook(temp.path(), pfad) != 0) {
    return PARAMETERDATEI_SCHREIBFEHLER;
  }
  if (file_replace::ReplaceFileAtomically(temp.path(), pfad) != 0) return PARAMETERDATEI_SCHREIBFEHLER;
  temp.Released(ordner);
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
