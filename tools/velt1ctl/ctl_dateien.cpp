#include "ctl_dateien.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

#include "ctl_json.h"
#include "programs/core/parameterdatei.h"
#include "support/qor_error.h"
#include "support/save_file.h"

namespace {

namespace fs = std::filesystem;

constexpr std::uintmax_t kJsonMax = 1 << 20;  // a program set is some 10 kB

int Melden(const fs::path& pfad, const std::string& fehler) {
  std::fprintf(stderr, "velt1ctl: %s: %s\n", pfad.string().c_str(), fehler.c_str());
  return QOR_FEHLER_STILL;
}

int JsonLesen(const fs::path& pfad, std::string& text) {
  std::FILE* datei = nullptr;
  if (const int code = Parameterdatei_Oeffnen(pfad, datei); code != 0) return code;
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
  std::vector<std::string> warnungen;
  if (!ProgrammsatzAusJson(text, satz, fehler, warnungen)) return Melden(pfad, fehler);
  for (const std::string& warnung : warnungen) Melden(pfad, "Warnung: " + warnung);
  return 0;
}

int ProgrammsatzSpeichern(const fs::path& pfad, const Programmsatz& satz) {
  if (FormatFuer(pfad) != SatzFormat::Json) return Parameterdatei_Speichern(pfad, satz);
  std::string text;
  std::string fehler;
  if (!ProgrammsatzAlsJson(satz, text, fehler)) return Melden(pfad, fehler);
  // Through the save routine of the parameter file, with its codes: a link
  // leads to the file it names, a file the user may not write is refused.
  return Parameterdatei_Speichercode(file_replace::SaveFile(pfad, text.data(), text.size(), "velt1ctl$$"));
}
