#pragma once
// The VELT-1's status word (keyword "status"): the four bits the program
// shows, in the order the status panel and velt1ctl show them, each with its
// LED on the status panel and the name that LED and velt1ctl give it.

#include "ui/velt1_gui.h"

struct Statusbit {
  int maske;
  int led;
  const char* name;
};

inline constexpr Statusbit STATUSBITS[] = {
    {0x0001, STATUSPNL_STATUSLED1, "Messung aktiv"},
    {0x0002, STATUSPNL_STATUSLED2, "Remotebetrieb"},
    {0x0100, STATUSPNL_STATUSLED9, "Speicherfehler"},
    {0x0200, STATUSPNL_STATUSLED10, "Prüfspannungsfehler"},
};
