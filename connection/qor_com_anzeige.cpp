// What the session shows on the registered controls of all panels: the COM
// state, the address, the port's device and the error display.

#include <string>

#include "connection/qor_com.h"
#include "connection/qor_com_sitzung.h"
#include "device/port_map.h"
#include "support/qor_error.h"
#include "ui/runtime.h"

namespace {

constexpr int kBildHoeherePorts = 99;
constexpr int kBildHoechsterPort = 16;

}  // namespace

void QorCom_ComPortAnzeigen(int port) {
  const QorComControls& r = gQorCom.controls;
  if (r.comRing.gesetzt()) {
    SetCtrlVal(r.comRing.panel, r.comRing.control, port);
    QorCom_PortTooltipSetzen();
  }
  const int bild = port <= kBildHoechsterPort ? port : kBildHoeherePorts;
  for (int i = 0; i < r.pictureringAnzahl; ++i)
    SetCtrlVal(r.picturerings[static_cast<std::size_t>(i)].panel,
               r.picturerings[static_cast<std::size_t>(i)].control, bild);
}

void QorCom_AdresseAnzeigen(char adresse) {
  const CtrlRef& ring = gQorCom.controls.adressRing;
  if (ring.gesetzt()) SetCtrlVal(ring.panel, ring.control, static_cast<int>(adresse));
}

void QorCom_PortTooltipSetzen() {
  const CtrlRef& ring = gQorCom.controls.comRing;
  if (!ring.gesetzt()) return;
  int port = 0;
  GetCtrlVal(ring.panel, ring.control, &port);
  SetCtrlAttribute(ring.panel, ring.control, ATTR_TOOLTIP_TEXT,
                   port == 0 ? std::string() : rs232::DeviceBehindPort(port));
}

void QorCom_FehlermeldungSet(int code) {
  // The message is taken once: it uses up the message module's pending
  // user string, which every panel must show alike.
  const std::string text = code != 0 ? QOR_Fehlermeldung(code) : "";
  const QorComControls& r = gQorCom.controls;
  for (int i = 0; i < r.fehlerAnzahl; ++i) {
    const FehlerControls& f = r.fehler[static_cast<std::size_t>(i)];
    SetCtrlVal(f.panel, f.led, code != 0 ? 1 : 0);
    SetCtrlVal(f.panel, f.text, text);
    // The field shows one line; the whole message, with its cause, on hover.
    SetCtrlAttribute(f.panel, f.text, ATTR_TOOLTIP_TEXT, text);
    SetCtrlVal(f.panel, f.number, -code);
  }
}
