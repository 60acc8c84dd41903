// The device search on the COM panel: the identification of the device at
// the session address, and the scan of every address that has an LED.

#include <cstring>
#include <string>

#include "connection/qor_com.h"
#include "connection/qor_com_sitzung.h"
#include "device/qorvelt1.h"
#include "ui/runtime.h"

namespace {

constexpr int kIdPuffer = 32;
constexpr int kGruen = 0x00FF00;  // a VELT-1
constexpr int kRot = 0xFF0000;    // another kind of device

// The ID display or the scan text, where a panel has registered one.
void TextSetzen(const CtrlRef& anzeige, const char* text) {
  if (anzeige.gesetzt()) SetCtrlVal(anzeige.panel, anzeige.control, text);
}

}  // namespace

int QorCom_IdLesen() {
  const int port = QorCom_ComPortGet();
  if (port == 0) return QORCOM_FEHLER_ID_NICHT_OFFEN;
  TextSetzen(gQorCom.controls.idText, "");
  char id[kIdPuffer] = {};
  const int code = QORVELT1_IDLesen(port, static_cast<char>(QorCom_AdresseGet()), id);
  if (code != 0) return code;
  TextSetzen(gQorCom.controls.idText, id);
  return 0;
}

int QorCom_Scan() {
  // The template's last character stands for the address being tried.
  char fortschritt[kIdPuffer] = {};
  std::strncpy(fortschritt,
               gQorCom.sprache == 2 ? "searching for device x" : "Suche nach Gerät x",
               sizeof fortschritt - 1);
  char* ziffer = fortschritt + std::strlen(fortschritt) - 1;

  const int port = QorCom_ComPortGet();
  if (port == 0) return QORCOM_FEHLER_SCAN_NICHT_OFFEN;
  TextSetzen(gQorCom.controls.idText, "");

  const QorComControls& r = gQorCom.controls;
  for (int i = 0; i < r.adressLedAnzahl && i < 9; ++i) {
    const char adresse = static_cast<char>('1' + i);
    const CtrlRef& led = r.adressLeds[static_cast<std::size_t>(i)];
    *ziffer = adresse;
    TextSetzen(r.scanText, fortschritt);
    // A silent address costs a whole reply wait: the operator sees the text
    // and the LEDs so far, and the desktop sees a window that answers.
    ProcessDrawEvents();

    char id[kIdPuffer] = {};
    if (QORVELT1_IDLesen(port, adresse, id) != 0) {
      SetCtrlVal(led.panel, led.control, 0);
    } else if (QORVELT1_IstVelt1(id)) {
      SetCtrlAttribute(led.panel, led.control, ATTR_ON_COLOR, kGruen);
      SetCtrlVal(led.panel, led.control, 1);
      QorCom_AdresseAnzeigen(adresse);
      TextSetzen(r.idText, id);
    } else {
      SetCtrlAttribute(led.panel, led.control, ATTR_ON_COLOR, kRot);
      SetCtrlVal(led.panel, led.control, 1);
    }
  }
  TextSetzen(r.scanText, "");
  return 0;
}
