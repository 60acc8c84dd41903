#pragma once
// Velt1Com: one call per device task. Every service takes the open COM port
// and the bus address from the session, lights the "Com" LEDs while the line
// is busy, runs the driver and shows its result on the error display (cleared
// on success). The result is also returned.
//
// The session, the LEDs and the error display belong to higher layers; they
// reach this module through the hooks below, which those layers install while
// they load (velt1ctl installs its own). Without hooks there is no open port.
// The hooks belong to the thread that installs them.

#include <functional>

#include "device/programm.h"

// Codes of this module.
constexpr int DAXCOM_FEHLER_NICHT_GEOEFFNET = -122350;  // no COM port open

struct DaxComSitzung {
  std::function<int()> comPort;     // the open COM port, 0 = none
  std::function<char()> adresse;    // the bus address character
};

// The two "Com" LEDs, switched in this order when an access begins and ends.
enum DaxComLed { DAXCOM_LED_HAUPTPANEL = 0, DAXCOM_LED_STATUSPANEL = 1, DAXCOM_LED_ANZAHL = 2 };

void DaxCom_SitzungSetzen(DaxComSitzung sitzung);
void DaxCom_ComLedSetzen(DaxComLed led, std::function<void(int on)> schalten);
void DaxCom_FehleranzeigeSetzen(std::function<void(int code)> anzeigen);
// Removes every hook: no port, no LEDs, no display.
void DaxCom_HooksEntfernen();

// The frame of every service: port and address from the session and the LEDs
// on (or -122350 with nothing touched when no port is open); then LEDs off and
// the code to the error display.
int DaxCom_ZugriffBeginnen(int* port, char* adresse);
void DaxCom_ZugriffBeenden(int code);

// The working parameters, fourteen keywords in the order of Programm. Reading
// fills the caller's record only when all fourteen reads have succeeded.
int DaxCom_ParameterLesen(Programm* programm);
int DaxCom_ParameterSchreiben(const Programm& programm);
// Working parameters into program slot n ("PNP"), slot n into them ("PNS").
int DaxCom_ParameterAlsProgrammSpeichern(int programm);
int DaxCom_ProgrammLaden(int programm);
int DaxCom_GeraetStarten();
int DaxCom_GeraetStoppen();
int DaxCom_StatusLesen(int* status);
// The main panel's "Einstellen" and "Speichern": the same commands as
// DaxCom_ProgrammLaden and DaxCom_ParameterAlsProgrammSpeichern.
int DaxCom_ProgrammEinstellen(int programm);
int DaxCom_ProgrammAbspeichern(int programm);
