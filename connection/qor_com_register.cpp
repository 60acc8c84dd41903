// The controls the panels hand over while they load, and the callbacks that
// Qor_Com installs on them.

#include <string>

#include "connection/qor_com.h"
#include "connection/qor_com_sitzung.h"
#include "ui/runtime.h"

namespace {

// Appends to a table, or tells the developer that its capacity is too small.
template <typename Tabelle, typename Eintrag>
void Anhaengen(Tabelle& tabelle, int& anzahl, const Eintrag& eintrag, const char* kapazitaet) {
  if (anzahl >= static_cast<int>(tabelle.size())) {
    MessagePopup("Interner Fehler", std::string(kapazitaet) + " ist zu klein");
    return;
  }
  tabelle[static_cast<std::size_t>(anzahl++)] = eintrag;
}

}  // namespace

void QorCom_RegisterComControl(int panel, int control) {
  gQorCom.controls.comRing = {panel, control};
  InstallCtrlCallback(panel, control, Callback_ComPortEinstellen, nullptr);
  QorCom_ComPortListeFuellen(panel, control);
}

void QorCom_RegisterAdressControl(int panel, int control) {
  gQorCom.controls.adressRing = {panel, control};
  InstallCtrlCallback(panel, control, Callback_ComPortAdresse, nullptr);
}

void QorCom_RegisterPictureringControl(int panel, int control) {
  QorComControls& r = gQorCom.controls;
  Anhaengen(r.picturerings, r.pictureringAnzahl, CtrlRef{panel, control}, "MAX_PICTURERINGCONTROLS");
  InstallCtrlCallback(panel, control, Callback_ComPortUmschalten, nullptr);
}

void QorCom_RegisterFehlerControls(int panel, int led, int text, int number) {
  QorComControls& r = gQorCom.controls;
  Anhaengen(r.fehler, r.fehlerAnzahl, FehlerControls{panel, led, text, number}, "MAX_FEHLERCONTROLS");
}

void QorCom_RegisterIdReadButton(int panel, int control) {
  gQorCom.controls.idButton = {panel, control};
  InstallCtrlCallback(panel, control, Callback_IdLesen, nullptr);
}

void QorCom_RegisterIdTextdisplay(int panel, int control) {
  gQorCom.controls.idText = {panel, control};
}

void QorCom_RegisterAdressLeds(int panel, int control) {
  QorComControls& r = gQorCom.controls;
  Anhaengen(r.adressLeds, r.adressLedAnzahl, CtrlRef{panel, control}, "MAX_ADRESSLEDS");
}

void QorCom_RegisterScanButton(int panel, int control) {
  gQorCom.controls.scanButton = {panel, control};
  InstallCtrlCallback(panel, control, Callback_Scan, nullptr);
}

void QorCom_RegisterScanStringControl(int panel, int control) {
  gQorCom.controls.scanText = {panel, control};
}

int Callback_ComPortEinstellen(int panel, int control, int event, void*, int, int) {
  if (event == EVENT_COMMIT) {
    int port = 0;
    GetCtrlVal(panel, control, &port);
    QorCom_FehlermeldungSet(QorCom_Open(port));
    QorCom_PortTooltipSetzen();
  } else if (event == EVENT_LEFT_CLICK || event == EVENT_KEYPRESS) {
    QorCom_ComPortListeFuellen(panel, control);
  }
  return 0;
}

int Callback_ComPortUmschalten(int, int, int event, void*, int, int) {
  if (event == EVENT_LEFT_CLICK || event == EVENT_LEFT_DOUBLE_CLICK)
    QorCom_FehlermeldungSet(QorCom_ComPortUmschalten());
  return 0;
}

int Callback_ComPortAdresse(int panel, int control, int event, void*, int, int) {
  if (event == EVENT_COMMIT) {
    int wert = 0;
    GetCtrlVal(panel, control, &wert);
    QorCom_FehlermeldungSet(QorCom_AdresseSet(static_cast<char>(wert & 0xFF)));
  }
  return 0;
}

int Callback_IdLesen(int, int, int event, void*, int, int) {
  if (event == EVENT_COMMIT) QorCom_FehlermeldungSet(QorCom_IdLesen());
  return 0;
}

int Callback_Scan(int, int, int event, void*, int, int) {
  if (event == EVENT_COMMIT) QorCom_FehlermeldungSet(QorCom_Scan());
  return 0;
}
