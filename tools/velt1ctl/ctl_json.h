#pragma once
// A program set as JSON text, for keeping it under version control, diffing
// and editing:
//   {"typ": "QORVELT1Steuerung", "version": 2, "programme": [
//     {"eintrag": "A", "programmname": "...", "pruefspannungsquelle": 1.0, ...},
//     {"eintrag": "1", ...}, ... seventeen entries]}
// Every field is named by its device keyword. Name bytes travel as Latin-1
// characters, values as the shortest text that reads back to the same
// double, so a parameter file survives the way to JSON and back byte for byte.

#include <string>
#include <vector>

#include "ctl_programmsatz.h"

// False with the entry and keyword named in `fehler` when a value has no
// JSON form (not finite).
bool ProgrammsatzAlsJson(const Programmsatz& satz, std::string& json, std::string& fehler);

// Reads and checks the whole text before `satz` changes: the layout above,
// no field missing or unknown, every value one the device takes. False with
// what is wrong (entry and keyword named) in `fehler`. A value the device
// takes but the main panel cannot show is read, and named in `warnungen`.
bool ProgrammsatzAusJson(const std::string& json, Programmsatz& satz, std::string& fehler,
                         std::vector<std::string>& warnungen);
