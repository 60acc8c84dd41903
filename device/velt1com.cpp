// The device services: each one is ZugriffBeginnen, the driver call(s), and
// ZugriffBeenden with the first failure or 0.

#include "device/velt1com.h"

#include <array>
#include <utility>

#include "device/qorvelt1.h"

namespace {

struct Hooks {
  DaxComSitzung sitzung;
  std::array<std::function<void(int)>, DAXCOM_LED_ANZAHL> leds;
  std::function<void(int)> fehleranzeige;
};

// Per thread: velt1ctl serves several ports at once, each from a thread of its
// own with its own session; the desktop program installs and uses them on one.
thread_local Hooks gDaxComHooks;

void ComLeds(int on) {
  for (const auto& led : gDaxComHooks.leds)
    if (led) led(on);
}

// Runs one service: `transfer` gets the port and the address of the access.
template <typename Transfer>
int Zugriff(Transfer transfer) {
  int port = 0;
  char adresse = 0;
  int code = DaxCom_ZugriffBeginnen(&port, &adresse);
  if (code == 0) code = transfer(port, adresse);
  DaxCom_ZugriffBeenden(code);
  return code;
}

int Lesen(int port, char adresse, Programm& programm) {
  int code = QORVELT1_ParameterLesen(port, adresse, "programmname", nullptr, nullptr,
                                     programm.programmname);
  for (const ProgrammWert& feld : PROGRAMM_WERTE) {
    if (code != 0) break;
    code = QORVELT1_ParameterLesen(port, adresse, feld.keyword, &(programm.*feld.feld), nullptr,
                                   nullptr);
  }
  return code;
}

int Schreiben(int port, char adresse, const Programm& programm) {
  int code = QORVELT1_ParameterSchreiben(port, adresse, "programmname", 0.0, 0,
                                         programm.programmname);
  for (const ProgrammWert& feld : PROGRAMM_WERTE) {
    if (code != 0) break;
    code = QORVELT1_ParameterSchreiben(port, adresse, feld.keyword, programm.*feld.feld, 0, nullptr);
  }
  return code;
}

}  // namespace

void DaxCom_SitzungSetzen(DaxComSitzung sitzung) { gDaxComHooks.sitzung = std::move(sitzung); }

void DaxCom_ComLedSetzen(DaxComLed led, std::function<void(int)> schalten) {
  if (led >= 0 && led < DAXCOM_LED_ANZAHL) gDaxComHooks.leds[led] = std::move(schalten);
}

void DaxCom_FehleranzeigeSetzen(std::function<void(int)> anzeigen) {
  gDaxComHooks.fehleranzeige = std::move(anzeigen);
}

void DaxCom_HooksEntfernen() { gDaxComHooks = Hooks{}; }

int DaxCom_ZugriffBeginnen(int* port, char* adresse) {
  const DaxComSitzung& sitzung = gDaxComHooks.sitzung;
  const int offen = sitzung.comPort ? sitzung.comPort() : 0;
  if (offen == 0) return DAXCOM_FEHLER_NICHT_GEOEFFNET;
  *port = offen;
  *adresse = sitzung.adresse ? sitzung.adresse() : '1';
  ComLeds(1);
  return 0;
}

void DaxCom_ZugriffBeenden(int code) {
  ComLeds(0);
  if (gDaxComHooks.fehleranzeige) gDaxComHooks.fehleranzeige(code);
}

int DaxCom_ParameterLesen(Programm* programm) {
  // Read into a record of our own: the caller's changes only when all went well.
  Programm gelesen = *programm;
  const int code = Zugriff([&](int port, char adresse) { return Lesen(port, adresse, gelesen); });
  if (code == 0) *programm = gelesen;
  return code;
}

int DaxCom_ParameterSchreiben(const Programm& programm) {
  return Zugriff([&](int port, char adresse) { return Schreiben(port, adresse, programm); });
}

int DaxCom_ParameterAlsProgrammSpeichern(int programm) {
  return Zugriff([=](int port, char adresse) {
    return QORVELT1_ProgrammSpeichern(port, adresse, programm);
  });
}

int DaxCom_ProgrammLaden(int programm) {
  return Zugriff(
      [=](int port, char adresse) { return QORVELT1_ProgrammLaden(port, adresse, programm); });
}

int DaxCom_GeraetStarten() {
  return Zugriff(
      [](int port, char adresse) { return QORVELT1_DeviceFunction(port, adresse, "start"); });
}

int DaxCom_GeraetStoppen() {
  return Zugriff(
      [](int port, char adresse) { return QORVELT1_DeviceFunction(port, adresse, "stopp"); });
}

int DaxCom_StatusLesen(int* status) {
  return Zugriff([=](int port, char adresse) {
    return QORVELT1_ParameterLesen(port, adresse, "status", nullptr, status, nullptr);
  });
}

int DaxCom_ProgrammEinstellen(int programm) { return DaxCom_ProgrammLaden(programm); }

int DaxCom_ProgrammAbspeichern(int programm) {
  return DaxCom_ParameterAlsProgrammSpeichern(programm);
}
