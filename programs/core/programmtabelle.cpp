#include "programs/core/programmtabelle.h"

#include <cstdio>

#include "ui/globals.h"

namespace {

std::string StandardName(int index) {
  if (index == 0) return gSprache == 2 ? "Working parameter" : "Arbeitsparameter";
  return (gSprache == 2 ? "Program " : "Programm ") + std::to_string(index);
}

}  // namespace

void Prog_Vorbelegen(Programm* programm) {
  *programm = Programm{};
  for (const ProgrammWert& wert : PROGRAMM_WERTE) programm->*wert.feld = wert.vorgabe;
}

void Prog_TabelleVorbelegen(ProgrammTabelle tabelle) {
  for (int index = 0; index < PROGRAMM_ANZAHL; ++index) {
    Programm& programm = tabelle[static_cast<std::size_t>(index)];
    Prog_Vorbelegen(&programm);
    std::snprintf(programm.programmname, sizeof programm.programmname, "%s",
                  StandardName(index).c_str());
  }
}

std::string Prog_EintragName(int index) { return index == 0 ? "A" : std::to_string(index); }
