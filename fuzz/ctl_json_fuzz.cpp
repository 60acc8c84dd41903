// velt1ctl's JSON reader on any bytes, and the writer on what it accepted:
// every accepted set lies inside the main panel's ranges and comes back the
// same when it is written as JSON and read again, and when it makes the way
// through the parameter file's bytes.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "ctl_json.h"
#include "programs/core/parameterdatei.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Programmsatz set{};
  std::string error;
  std::vector<std::string> warnings;
  if (!ProgrammsatzAusJson(std::string(reinterpret_cast<const char*>(data), size), set, error, warnings)) {
    Check(!error.empty());
    return 0;
  }
  for (const Programm& programm : set) {
    for (const ProgrammWert& wert : PROGRAMM_WERTE) Check(GeraetebereichVerletzt(wert, programm.*wert.feld).empty());
  }
  std::string json;
  Check(ProgrammsatzAlsJson(set, json, error));
  Programmsatz again{};
  Check(ProgrammsatzAusJson(json, again, error, warnings));
  Check(Parameterdatei_Bauen(again) == Parameterdatei_Bauen(set));

  Programmsatz fromFile{};
  const ParameterdateiBild image = Parameterdatei_Bauen(set);
  Check(Parameterdatei_Einlesen(image, fromFile) == 0);
  std::string jsonFromFile;
  Check(ProgrammsatzAlsJson(fromFile, jsonFromFile, error));
  Check(jsonFromFile == json);
  return 0;
}
