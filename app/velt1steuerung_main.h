#pragma once
// The program's main flow, callable in-process so that tests can run it whole.

// Version and date of this release, shown on the info panel.
constexpr const char* VELT1_VERSION = "V 1.0.2";
constexpr const char* VELT1_DATUM = "9/2011";

// Start-up steps after the runtime is up: German as the language, the title,
// every panel loaded and the window menus built. 0, or -1 when a panel module
// failed.
int Velt1Steuerung_PanelsLaden();

// Runs the whole program: runtime, panels, configuration file, event loop
// until a quit, configuration file written, panels discarded. 0, or -1 when
// the runtime or the panels could not be set up.
int Velt1Steuerung_Main(int argc, char** argv);
