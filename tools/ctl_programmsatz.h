#pragma once
// A program set as velt1ctl sees it: the seventeen entries of a parameter
// file, their defaults, the main panel's ranges, and the names of entries
// and their bytes as text.

#include <array>
#include <optional>
#include <string>

#include "programs/programmtabelle.h"

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

// Name bytes (up to the NUL, at most 31) as UTF-8, each byte a Latin-1
// character, so every byte survives the way to text and back.
std::string NameAlsText(const Programm& programm);
// The reverse: every character must be U+0001..U+00FF and at most 31 of
// them; otherwise what is wrong, and the record is untouched.
std::optional<std::string> NameAusText(const std::string& text, Programm& programm);
