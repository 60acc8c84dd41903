#include "ctl_programmsatz.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "device/qorvelt1.h"

namespace {

std::string NichtIn(double zahl, const Wertebereich& bereich) {
  return KuerzesteZahl(zahl) + " liegt nicht in " + KuerzesteZahl(bereich.unten) + ".." +
         KuerzesteZahl(bereich.oben);
}

// The whole numbers of the range: "1, 2 oder 3".
std::string Aufzaehlung(const Wertebereich& bereich) {
  std::string text = KuerzesteZahl(bereich.unten);
  for (double n = bereich.unten + 1; n <= bereich.oben; ++n)
    text += (n + 1 > bereich.oben ? " oder " : ", ") + KuerzesteZahl(n);
  return text;
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
  if (wert.art == WertControl::Ring) return "";
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", wert.nachkommastellen, zahl);
  return text;
}

Programmsatz DefaultProgrammsatz() {
  Programmsatz satz{};
  Prog_TabelleVorbelegen(satz);
  return satz;
}

std::string BereichVerletzt(const ProgrammWert& wert, double zahl) {
  const bool drin = zahl >= wert.panel.unten && zahl <= wert.panel.oben;
  if (wert.art == WertControl::Ring) {
    if (drin && zahl == std::floor(zahl)) return "";
    return KuerzesteZahl(zahl) + " ist nicht " + Aufzaehlung(wert.panel);
  }
  return drin ? "" : NichtIn(zahl, wert.panel);
}

std::string GeraetebereichVerletzt(const ProgrammWert& wert, double zahl) {
  return QORVELT1_ParameterZulaessig(wert.keyword, zahl) ? "" : NichtIn(zahl, wert.geraet);
}
