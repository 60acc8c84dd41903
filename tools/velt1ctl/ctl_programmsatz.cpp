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
};

// The defaults and the ranges of the main panel's parameter controls.
constexpr PanelWert kPanel[] = {
    {&Programm::pruefspannungsquelle, 1, {1, 3, true}},
    {&Programm::pruefspannung, 2, {2, 33, false}},
    {&Programm::anzahlzaehne, 60, {1, 125, false}},
    {&Programm::sensorkanaele, 2, {1, 2, false}},
    {&Programm::toleranzhigh, 1, {0, 33, false}},
    {&Programm::toleranzlow, 1, {0, 33, false}},
    {&Programm::toleranzphase, 10, {0, 180, false}},
    {&Programm::schwellwertsteigendeflanke, 50, {1, 99, false}},
    {&Programm::schwellwertfallendeflanke, 50, {1, 99, false}},
    {&Programm::totzeitvorsteigend, 1, {1, 999, false}},
    {&Programm::totzeitnachsteigend, 20, {20, 999, false}},
    {&Programm::totzeitvorfallend, 1, {1, 999, false}},
    {&Programm::totzeitnachfallend, 20, {20, 999, false}},
};

const PanelWert& PanelFuer(const ProgrammWert& wert) {
  for (const PanelWert& panel : kPanel) {
    if (panel.feld == wert.feld) return panel;
  }
  return kPanel[0];  // unreachable: every field has its control
}

// The shortest text that reads back as the same double: 19.999 is not "20".
std::string Zahl(double wert) {
  char text[32];
  for (int stellen = 15; stellen <= 17; ++stellen) {
    std::snprintf(text, sizeof text, "%.*g", stellen, wert);
    if (std::strtod(text, nullptr) == wert) break;
  }
  return text;
}

}  // namespace

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
    return Zahl(zahl) + " ist nicht 1, 2 oder 3";
  }
  if (zahl >= bereich.minimum && zahl <= bereich.maximum) return "";
  return Zahl(zahl) + " liegt nicht in " + Zahl(bereich.minimum) + ".." + Zahl(bereich.maximum);
}

std::string GeraetebereichVerletzt(const ProgrammWert& wert, double zahl) {
  double unten = 0;
  double oben = 0;
  QORVELT1_ParameterGrenzen(wert.keyword, &unten, &oben);
  if (QORVELT1_ParameterZulaessig(wert.keyword, zahl)) return "";
  return Zahl(zahl) + " liegt nicht in " + Zahl(unten) + ".." + Zahl(oben);
}
