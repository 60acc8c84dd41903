#pragma once
// A program set as velt1ctl sees it: the seventeen entries of a parameter
// file, its checks of values against the main panel and the device, and
// values as the main panel shows them.

#include <array>
#include <string>

#include "programs/core/programmname.h"
#include "programs/core/programmtabelle.h"

using Programmsatz = std::array<Programm, PROGRAMM_ANZAHL>;

// The table after "Neu" (Prog_TabelleVorbelegen).
Programmsatz DefaultProgrammsatz();

// "" when the value lies in the main panel's range, otherwise what is wrong
// with it; the voltage source's ring offers its whole numbers only.
std::string BereichVerletzt(const ProgrammWert& wert, double zahl);
// The same for the device's own limits, which are wider in places: a device
// holds a voltage source of 5, which the panel's ring cannot show.
std::string GeraetebereichVerletzt(const ProgrammWert& wert, double zahl);
// The shortest text that reads back as the same double: 19.999 is not "20".
std::string KuerzesteZahl(double wert);
// The value as the main panel's control shows it, with its decimals; "" for
// the voltage source, whose ring shows the texts of its items.
std::string PanelText(const ProgrammWert& wert, double zahl);
