#pragma once
// Program-wide settings that modules of several layers read.

#include <string>

// The device name that titles and labels are formatted with.
constexpr const char* GERAETENAME = "VELT-1";

// Language of every text shown: 1 German, 2 English. Start-up sets 1 and
// nothing changes it afterwards.
extern int gSprache;

// The program's title, "VELT-1 Steuerung", formatted at start-up.
extern std::string gPaneltitle;

// The definition file that panel modules load from, chosen by gSprache.
const char* UiDateiname();
