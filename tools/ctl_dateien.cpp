#include "ctl_dateien.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>
#include <system_error>

#include "ctl_json.h"
#include "programs/parameterdatei.h"
#include "support/file_replace.h"

namespace {

namespace fs = std::filesystem;

constexpr int kLetzterTempZaehler = 999;
constexpr std::uintmax_t kJsonMax = 1 << 20;  // a program set is some 10 kB

int Melden(const fs::path& pfad, const std::string& fehler) {
  std::fprintf(stderr, "velt1ctl: %s: %s\n", pfad.string().c_str(), fehler.c_str());
  return CTL_SCHON_GEMELDET;
}

int JsonLesen(const fs::path& pfad, std::string& text) {
  std::error_code fehler;
  const fs::file_status status = fs::status(pfad, fehler);
  if (status.type() == fs::file_type::not_found) return PARAMETERDATEI_FEHLT;
  if (status.type() != fs::file_type::regular) return PARAMETERDATEI_NICHT_LESBAR;
  std::FILE* datei = file_replace::OpenFile(pfad, "rb");
  if (datei == nullptr) return PARAMETERDATEI_NICHT_LESBAR;
  char puffer[4096];
  std::size_t gelesen = 0;
  while ((gelesen = std::fread(puffer, 1, sizeof puffer, datei)) > 0 && text.size() <= kJsonMax) {
    text.append(puffer, gelesen);
  }
  const bool lesefehler = std::ferror(datei) != 0;
  std::fclose(datei);
  if (lesefehler) return PARAMETERDATEI_NICHT_LESBAR;
  if (text.size() > kJsonMax) return Melden(pfad, "zu groß für einen Programmsatz");
  return 0;
}

// Beside the target, flushed to disk, renamed over it; the temporary file
// never stays behind.
int JsonSchreiben(const fs::path& pfad, const std::string& text) {
  const fs::path ordner = pfad.parent_path().empty() ? fs::path(".") : pfad.parent_path();
  std::FILE* datei = nullptr;
  fs::path temp;
  for (int zaehler = 0; zaehler <= kLetzterTempZaehler && datei == nullptr; ++zaehler) {
    temp = ordner / ("velt1ctl$$" + std::to_string(zaehler) + ".TMP");
    const auto ergebnis = file_replace::CreateNewFile(temp, &datei);
    if (ergebnis == file_replace::CreateResult::Failed) return PARAMETERDATEI_NICHT_ERSTELLBAR;
  }
  if (datei == nullptr) return PARAMETERDATEI_NICHT_ERSTELLBAR;
  const bool geschrieben = std::fwrite(text.data(), 1, text.size(), datei) == text.size() &&
                           file_replace::FlushToDisk(datei) == 0;
  const bool geschlossen = std::fclose(datei) == 0;
  if (geschrieben && geschlossen && file_replace::ReplaceFileAtomically(temp, pfad) == 0) return 0;
  std::error_code ignoriert;
  fs::remove(temp, ignoriert);
  return PARAMETERDATEI_SCHREIBFEHLER;
}

}  // namespace

SatzFormat FormatFuer(const fs::path& pfad) {
  std::string endung = pfad.extension().string();
  std::transform(endung.begin(), endung.end(), endung.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (endung == ".vlt") return SatzFormat::Vlt;
  if (endung == ".json") return SatzFormat::Json;
  return SatzFormat::Unbekannt;
}

int ProgrammsatzLaden(const fs::path& pfad, Programmsatz& satz) {
  if (FormatFuer(pfad) != SatzFormat::Json) return Parameterdatei_Laden(pfad, satz);
  std::string text;
  if (const int code = JsonLesen(pfad, text); code != 0) return code;
  std::string fehler;
  return ProgrammsatzAusJson(text, satz, fehler) ? 0 : Melden(pfad, fehler);
}

int ProgrammsatzSpeichern(const fs::path& pfad, const Programmsatz& satz) {
  if (FormatFuer(pfad) != SatzFormat::Json) return Parameterdatei_Speichern(pfad, satz);
  std::string text;
  std::string fehler;
  if (!ProgrammsatzAlsJson(satz, text, fehler)) return Melden(pfad, fehler);
  return JsonSchreiben(pfad, text);
}
