#include "ctl_json.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "programs/core/parameterdatei.h"

namespace {

using Json = nlohmann::ordered_json;  // fields in record order, as the file has them

std::string Ort(int eintrag, const std::string& keyword = "") {
  return "Eintrag " + Prog_EintragName(eintrag) + (keyword.empty() ? "" : ", " + keyword);
}

// One entry into `programm`; "" or what is wrong.
std::string EintragLesen(const Json& objekt, int eintrag, Programm& programm,
                         std::vector<std::string>& warnungen) {
  if (!objekt.is_object()) return Ort(eintrag) + ": kein Objekt";
  const auto feld = [&](const char* keyword) -> const Json* {
    const auto it = objekt.find(keyword);
    return it == objekt.end() ? nullptr : &*it;
  };
  const Json* name = feld("eintrag");
  if (name == nullptr) return Ort(eintrag) + ": eintrag fehlt";
  if (*name != Prog_EintragName(eintrag)) return Ort(eintrag) + ": eintrag muss \"" + Prog_EintragName(eintrag) + "\" sein";
  const Json* text = feld("programmname");
  if (text == nullptr || !text->is_string()) return Ort(eintrag, "programmname") + ": Text fehlt";
  if (auto fehler = Programmname_AusText(text->get<std::string>(), programm)) {
    return Ort(eintrag, "programmname") + ": " + *fehler;
  }
  for (const ProgrammWert& wert : PROGRAMM_WERTE) {
    const Json* zahl = feld(wert.keyword);
    if (zahl == nullptr) return Ort(eintrag, wert.keyword) + ": fehlt";
    if (!zahl->is_number()) return Ort(eintrag, wert.keyword) + ": keine Zahl";
    const double gelesen = zahl->get<double>();
    if (const std::string fehler = GeraetebereichVerletzt(wert, gelesen); !fehler.empty()) {
      return Ort(eintrag, wert.keyword) + ": " + fehler;
    }
    if (const std::string abweichung = BereichVerletzt(wert, gelesen); !abweichung.empty()) {
      warnungen.push_back(Ort(eintrag, wert.keyword) + ": " + abweichung + " (Bereich der Hauptmaske)");
    }
    programm.*wert.feld = gelesen;
  }
  // A misspelt keyword would otherwise be dropped without a word.
  for (auto it = objekt.begin(); it != objekt.end(); ++it) {
    const std::string& key = it.key();
    if (key != "eintrag" && key != "programmname" && ProgrammWert_ZumKeyword(key) == nullptr) {
      return Ort(eintrag, key) + ": unbekanntes Feld";
    }
  }
  return "";
}

}  // namespace

bool ProgrammsatzAlsJson(const Programmsatz& satz, std::string& json, std::string& fehler) {
  Json programme = Json::array();
  for (int i = 0; i < PROGRAMM_ANZAHL; ++i) {
    const Programm& programm = satz[static_cast<std::size_t>(i)];
    Json eintrag = {{"eintrag", Prog_EintragName(i)}, {"programmname", Programmname_AlsText(programm)}};
    for (const ProgrammWert& wert : PROGRAMM_WERTE) {
      if (!std::isfinite(programm.*wert.feld)) {
        fehler = Ort(i, wert.keyword) + ": kein endlicher Wert";
        return false;
      }
      eintrag[wert.keyword] = programm.*wert.feld;
    }
    programme.push_back(std::move(eintrag));
  }
  const Json dokument = {{"typ", PARAMETERDATEI_TYP},
                         {"version", PARAMETERDATEI_VERSION},
                         {"programme", std::move(programme)}};
  json = dokument.dump(2) + "\n";
  return true;
}

bool ProgrammsatzAusJson(const std::string& json, Programmsatz& satz, std::string& fehler,
                         std::vector<std::string>& warnungen) {
  Json dokument;
  try {
    dokument = Json::parse(json);
  } catch (const Json::exception& e) {  // a syntax error, or a number beyond a double (1e309)
    fehler = std::string("kein gültiges JSON: ") + e.what();
    return false;
  }
  if (!dokument.is_object() || dokument.value("typ", Json()) != PARAMETERDATEI_TYP) {
    fehler = std::string("typ \"") + PARAMETERDATEI_TYP + "\" fehlt";
    return false;
  }
  if (dokument.value("version", Json()) != PARAMETERDATEI_VERSION) {
    fehler = "version " + std::to_string(PARAMETERDATEI_VERSION) + " fehlt";
    return false;
  }
  const Json programme = dokument.value("programme", Json());
  if (!programme.is_array() || programme.size() != PROGRAMM_ANZAHL) {
    fehler = "programme muss 17 Einträge haben";
    return false;
  }
  Programmsatz gelesen{};
  std::vector<std::string> abweichungen;
  for (int i = 0; i < PROGRAMM_ANZAHL; ++i) {
    fehler = EintragLesen(programme[static_cast<std::size_t>(i)], i, gelesen[static_cast<std::size_t>(i)],
                          abweichungen);
    if (!fehler.empty()) return false;
  }
  satz = gelesen;
  warnungen = std::move(abweichungen);
  return true;
}
