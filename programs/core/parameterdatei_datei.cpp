// Saving and loading the parameter file. Saving goes through the program's
// one save routine: it never writes into the operator's file, but renames a
// complete temporary file over it.

#include <cstdio>
#include <string>
#include <system_error>

#include "programs/core/parameterdatei.h"
#include "programs/core/parameterdatei_hook.h"
#include "support/file_replace.h"
#include "support/save_file.h"

namespace {

namespace fs = std::filesystem;

ParameterdateiVorErsetzenHook gVorErsetzenHook = nullptr;

}  // namespace

void Parameterdatei_SetVorErsetzenHook(ParameterdateiVorErsetzenHook hook) { gVorErsetzenHook = hook; }

int Parameterdatei_Speichern(const fs::path& pfad, ProgrammTabelleLesen tabelle) {
  const ParameterdateiBild bild = Parameterdatei_Bauen(tabelle);
  return Parameterdatei_Speichercode(
      file_replace::SaveFile(pfad, bild.data(), bild.size(), "vlt$$", gVorErsetzenHook));
}

int Parameterdatei_Speichercode(file_replace::SaveResult ergebnis) {
  if (ergebnis == file_replace::SaveResult::Saved) return 0;
  return ergebnis == file_replace::SaveResult::WriteFailed ? PARAMETERDATEI_SCHREIBFEHLER
                                                           : PARAMETERDATEI_NICHT_ERSTELLBAR;
}

int Parameterdatei_Oeffnen(const fs::path& pfad, std::FILE*& datei) {
  std::error_code fehler;
  const fs::file_status status = fs::status(pfad, fehler);
  if (status.type() == fs::file_type::not_found) return PARAMETERDATEI_FEHLT;
  // A directory opens for reading on some systems, and a pipe or device would
  // block or never end: only a regular file is read.
  if (status.type() != fs::file_type::regular) return PARAMETERDATEI_NICHT_LESBAR;
  datei = file_replace::OpenFile(pfad, "rb");
  return datei != nullptr ? 0 : PARAMETERDATEI_NICHT_LESBAR;
}

int Parameterdatei_Laden(const fs::path& pfad, ProgrammTabelle tabelle) {
  std::FILE* datei = nullptr;
  if (const int code = Parameterdatei_Oeffnen(pfad, datei); code != 0) return code;
  ParameterdateiBild bild{};
  // One read of the longest useful length: what lies beyond is ignored, and
  // the checks tell a short header from a short file by the count.
  const std::size_t gelesen = std::fread(bild.data(), 1, bild.size(), datei);
  std::fclose(datei);
  return Parameterdatei_Einlesen(std::span<const unsigned char>(bild.data(), gelesen), tabelle);
}
