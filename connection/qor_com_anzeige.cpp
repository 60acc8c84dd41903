// The registered controls of all panels and what Qor_Com shows through them:
// the COM state, the error display, and the callbacks of the shared controls.

#include <string>

#include "connection/qor_com.h"
#include "connection/qor_com_register.h"
#include "support/qor_error.h"
#include "ui/runtime.h"

namespace {

constexpr int kBildHoeherePorts = 99;
constexpr int kBildHoechsterPort = 16;

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

QorComControls& QorComRegister() {
  static QorComControls controls;
  return controls;
}

void QorCom_RegisterComControl(int panel, int control) {
  QorComRegister().comRing = {panel, control};
  InstallCtrlCallback(panel, control, Callback_ComPortEinstellen, nullptr);
  QorCom_ComPortListeFuellen(panel, control);
}

void QorCom_RegisterAdressControl(int panel, int control) {
  QorComRegister().adressRing = {panel, control};
  InstallCtrlCallback(panel, control, Callback_ComPortAdresse, nullptr);
}

void QorCom_RegisterPictureringControl(int panel, int control) {
  QorComControls& r = QorComRegister();
  Anhaengen(r.picturerings, r.pictureringAnzahl, CtrlRef{panel, control}, "MAX_PICTURERINGCONTROLS");
  InstallCtrlCallback(panel, control, Callback_ComPortUmschalten, nullptr);
}

void QorCom_RegisterFehlerControls(int panel, int led, int text, int number) {
  QorComControls& r = QorComRegister();
  Anhaengen(r.fehler, r.fehlerAnzahl, FehlerControls{panel, led, text, number}, "MAX_FEHLERCONTROLS");
}

void QorCom_RegisterIdReadButton(int panel, int control) {
  QorComRegister().idButton = {panel, control};
  InstallCtrlCallback(panel, control, Callback_IdLesen, nullptr);
}

void QorCom_RegisterIdTextdisplay(int panel, int control) {
  QorComRegister().idText = {panel, control};
}

void QorCom_RegisterAdressLeds(int panel, int control) {
  QorComControls& r = QorComRegister();
  Anhaengen(r.adressLeds, r.adressLedAnzahl, CtrlRef{panel, control}, "MAX_ADRESSLEDS");
}

void QorCom_RegisterScanButton(int panel, int control) {
  QorComRegister().scanButton = {panel, control};
  InstallCtrlCallback(panel, control, Callback_Scan, nullptr);
}

void QorCom_RegisterScanStringControl(int panel, int control) {
  QorComRegister().scanText = {panel, control};
}

void QorCom_ComPortAnzeigen(int port) {
  const QorComControls& r = QorComRegister();
  if (r.comRing.gesetzt()) {
    SetCtrlVal(r.comRing.panel, r.comRing.control, port);
    QorCom_PortTooltipSetzen();
  }
  const int bild = port <= kBildHoechsterPort ? port : kBildHoeherePorts;
  for (int i = 0; i < r.pictureringAnzahl; ++i)
    SetCtrlVal(r.picturerings[static_cast<std::size_t>(i)].panel,
               r.picturerings[static_cast<std::size_t>(i)].control, bild);
}

void QorCom_FehlermeldungSet(int code) {
  // The message is taken once: it uses up the message module's pending
  // user string, which every panel must show alike.
  const std::string text = code != 0 ? QOR_Fehlermeldung(code) : "";
  const QorComControls& r = QorComRegister();
  for (int i = 0; i < r.fehlerAnzahl; ++i) {
    const FehlerControls& f = r.fehler[static_cast<std::size_t>(i)];
    SetCtrlVal(f.panel, f.led, code != 0 ? 1 : 0);
    SetCtrlVal(f.panel, f.text, text);
    // The field shows one line; the whole message, with its cause, on hover.
    SetCtrlAttribute(f.panel, f.text, ATTR_TOOLTIP_TEXT, text);
    SetCtrlVal(f.panel, f.number, -code);
  }
}

void QorCom_SpracheSetzen(int sprache) {
  if (sprache == 1 || sprache == 2) QorComRegister().sprache = sprache;
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
