#include "ctl_diff.h"

#include <algorithm>
#include <cstring>

namespace {

std::string Name(const Programm& programm) { return Programmname_AlsText(programm); }

bool GleicheBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

std::string AlsText(const nlohmann::ordered_json& wert) {
  if (!wert.is_string()) return KuerzesteZahl(wert.get<double>());
  // Appended one by one: "\"" + text trips a false -Wrestrict of GCC 12 at -O3.
  std::string text(1, '"');
  text += wert.get<std::string>();
  text += '"';
  return text;
}

}  // namespace

std::vector<SatzUnterschied> SaetzeVergleichen(const Programmsatz& a, const Programmsatz& b,
                                               const std::vector<int>& eintraege) {
  std::vector<int> reihenfolge = eintraege;
  std::sort(reihenfolge.begin(), reihenfolge.end());
  std::vector<SatzUnterschied> unterschiede;
  for (const int eintrag : reihenfolge) {
    const Programm& links = a[static_cast<std::size_t>(eintrag)];
    const Programm& rechts = b[static_cast<std::size_t>(eintrag)];
    // The bytes after a name's NUL carry no meaning.
    if (Name(links) != Name(rechts)) {
      unterschiede.push_back({eintrag, "programmname", Name(links), Name(rechts), ""});
    }
    for (const ProgrammWert& wert : PROGRAMM_WERTE) {
      const double x = links.*wert.feld;
      const double y = rechts.*wert.feld;
      if (GleicheBits(x, y)) continue;
      const std::string panel = PanelText(wert, x);
      unterschiede.push_back({eintrag, wert.keyword, x, y, panel == PanelText(wert, y) ? panel : ""});
    }
  }
  return unterschiede;
}

std::vector<std::string> UnterschiedeAlsText(const std::vector<SatzUnterschied>& unterschiede) {
  std::vector<std::string> zeilen;
  for (const SatzUnterschied& u : unterschiede) {
    std::string zeile =
        "Eintrag " + Prog_EintragName(u.eintrag) + " " + u.feld + ": " + AlsText(u.a) + " ≠ " + AlsText(u.b);
    if (!u.panelText.empty()) zeile += " (die Hauptmaske zeigt beide als " + u.panelText + ")";
    zeilen.push_back(std::move(zeile));
  }
  const std::size_t anzahl = unterschiede.size();
  zeilen.push_back(std::to_string(anzahl) + (anzahl == 1 ? " Unterschied" : " Unterschiede"));
  return zeilen;
}

nlohmann::ordered_json UnterschiedeAlsJson(const std::vector<SatzUnterschied>& unterschiede) {
  nlohmann::ordered_json liste = nlohmann::ordered_json::array();
  for (const SatzUnterschied& u : unterschiede) {
    nlohmann::ordered_json eintrag = {{"eintrag", Prog_EintragName(u.eintrag)}, {"feld", u.feld}, {"a", u.a}, {"b", u.b}};
    if (!u.a.is_string()) eintrag["hauptmaske_gleich"] = !u.panelText.empty();
    liste.push_back(std::move(eintrag));
  }
  return {{"unterschiede", liste}, {"anzahl", unterschiede.size()}};
}
