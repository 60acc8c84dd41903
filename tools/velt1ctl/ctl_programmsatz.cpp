#include "ctl_programmsatz.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "device/qorvelt1.h"

namespace {

struct PanelWert {
  double Programm::*feld;
  double vorgabe;
  Wertebereich bereich;
  int nachkommastellen;  // -1: the voltage source's ring shows its items' texts
};

// The defaults, ranges and decimals of the main panel's parameter controls.
constexpr PanelWert kPanel[] = {
    {&Programm::pruefspannungsquelle, 1, {1, 3, true}, -1},
    {&Programm::pruefspannung, 2, {2, 33, false}, 1},
    {&Programm::anzahlzaehne, 60, {1, 125, false}, 0},
    {&Programm::sensorkanaele, 2, {1, 2, false}, 0},
    {&Programm::toleranzhigh, 1, {0, 33, false}, 1},
    {&Programm::toleranzlow, 1, {0, 33, false}, 1},
    {&Programm::toleranzphase, 10, {0, 180, false}, 0},
    {&Programm::schwellwertsteigendeflanke, 50, {1, 99, false}, 0},
    {&Programm::schwellwertfallendeflanke, 50, {1, 99, false}, 0},
    {&Programm::totzeitvorsteigend, 1, {1, 999, false}, 0},
    {&Programm::totzeitnachsteigend, 20, {20, 999, false}, 0},
    {&Programm::totzeitvorfallend, 1, {1, 999, false}, 0},
    {&Programm::totzeitnachfallend, 20, {20, 999, false}, 0},
};

const PanelWert& PanelFuer(const ProgrammWert& wert) {
  for (const PanelWert& panel : kPanel) {
    if (panel.feld == wert.feld) return panel;
  }
  return kPanel[0];  // unreachable: every field has its control
}

}  // namespace

std::string KuerzesteZahl(double wert) {
  char text[32];
  for (int stellen = 15; stellen <= 17; ++stellen) {
    std::snprintf(text, sizeof text, "%.*g", stellen, wert);
    if (std::strtod(text, nullptr) == wert) break;
  }
  return text;
}

std::string PanelText(const ProgrammWert& wert, double zahl) {
  const int stellen = PanelFuer(wert).nachkommastellen;
  if (stellen < 0) return "";
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", stellen, zahl);
  return text;
}

Programmsatz DefaultProgrammsatz() {
  Programmsatz satz{};
  for (int i = 0; i < PROGRAMM_ANZAHL; ++i) {
    Programm& programm = satz[static_cast<std::size_t>(i)];
    for (const PanelWert& panel : kPanel) programm.*panel.feld = panel.vorgabe;
    if (i == 0) {
      std::snprintf(programm.programmname, sizeof programm.programmname, "Arbeitsparameter");
    } else {
      std::snprintf(programm.programmname, sizeof programm.programmname, "Programm %d", i);
    }
  }
  return satz;
}

std::string EintragName(int eintrag) { return eintrag == 0 ? "A" : std::to_string(eintrag); }

Wertebereich PanelBereich(const ProgrammWert& wert) { return PanelFuer(wert).bereich; }

std::string BereichVerletzt(const ProgrammWert& wert, double zahl) {
  const Wertebereich bereich = PanelBereich(wert);
  if (bereich.nurGanzeZahlen) {
    if (zahl == 1 || zahl == 2 || zahl == 3) return "";
    return KuerzesteZahl(zahl) + " ist nicht 1, 2 oder 3";
  }
  if (zahl >= bereich.minimum && zahl <= bereich.maximum) return "";
  return KuerzesteZahl(zahl) + " liegt nicht in " + KuerzesteZahl(bereich.minimum) + ".." +
         KuerzesteZahl(bereich.maximum);
}

std::string GeraetebereichVerletzt(const ProgrammWert& wert, double zahl) {
  double unten = 0;
  double oben = 0;
  QORVELT1_ParameterGrenzen(wert.keyword, &unten, &oben);
  if (QORVELT1_ParameterZulaessig(wert.keyword, zahl)) return "";
  return KuerzesteZahl(zahl) + " liegt nicht in " + KuerzesteZahl(unten) + ".." + KuerzesteZahl(oben);
}
