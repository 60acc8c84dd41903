#include "ctl_programmsatz.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "device/qorvelt1.h"

namespace {

// The shortest text that reads back as the same double: 19.999 is not "20".
std::string Zahl(double wert) {
  char text[32];
  for (int stellen = 15; stellen <= 17; ++stellen) {
    std::snprintf(text, sizeof text, "%.*g", stellen, wert);
    if (std::strtod(text, nullptr) == wert) break;
  }
  return text;
}

std::string NichtIn(double zahl, const Wertebereich& bereich) {
  return Zahl(zahl) + " liegt nicht in " + Zahl(bereich.unten) + ".." + Zahl(bereich.oben);
}

// The whole numbers of the range: "1, 2 oder 3".
std::string Aufzaehlung(const Wertebereich& bereich) {
  std::string text = Zahl(bereich.unten);
  for (double n = bereich.unten + 1; n <= bereich.oben; ++n)
    text += (n + 1 > bereich.oben ? " oder " : ", ") + Zahl(n);
  return text;
}

}  // namespace

Programmsatz DefaultProgrammsatz() {
  Programmsatz satz{};
  Prog_TabelleVorbelegen(satz);
  return satz;
}

std::string BereichVerletzt(const ProgrammWert& wert, double zahl) {
  const bool drin = zahl >= wert.panel.unten && zahl <= wert.panel.oben;
  if (wert.art == WertControl::Ring) {
    if (drin && zahl == std::floor(zahl)) return "";
    return Zahl(zahl) + " ist nicht " + Aufzaehlung(wert.panel);
  }
  return drin ? "" : NichtIn(zahl, wert.panel);
}

std::string GeraetebereichVerletzt(const ProgrammWert& wert, double zahl) {
  return QORVELT1_ParameterZulaessig(wert.keyword, zahl) ? "" : NichtIn(zahl, wert.geraet);
}
