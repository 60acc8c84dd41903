#pragma once
// A program set as velt1ctl sees it: the seventeen entries of a parameter
// file, their defaults, the main panel's ranges, and the names of entries.

#include <array>
#include <string>

#include "programs/core/programmname.h"
#include "programs/core/programmtabelle.h"

using Programmsatz = std::array<Programm, PROGRAMM_ANZAHL>;

// The table after "Neu": every entry with the default values, entry 0 named
// "Arbeitsparameter", entry n "Programm n".
Programmsatz DefaultProgrammsatz();

// "A" for entry 0, otherwise the number.
std::string EintragName(int eintrag);

// The main panel's range of a value; the voltage source is a ring of 1, 2, 3.
struct Wertebereich {
  double minimum;
  double maximum;
  bool nurGanzeZahlen;  // the ring's values, no others
};
Wertebereich PanelBereich(const ProgrammWert& wert);
// "" when the value lies in the range, otherwise what is wrong with it.
std::string BereichVerletzt(const ProgrammWert& wert, double zahl);
// The shortest text that reads back as the same double: 19.999 is not "20".
std::string KuerzesteZahl(double wert);
// The value as the main panel's control shows it, with its decimals; "" for
// the voltage source, whose ring shows the texts of its items.
std::string PanelText(const ProgrammWert& wert, double zahl);
// The same for the device's own limits, which are wider in places: a device
// holds a voltage source of 5, which the panel's ring cannot show.
std::string GeraetebereichVerletzt(const ProgrammWert& wert, double zahl);
