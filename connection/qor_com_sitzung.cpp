// The device session: which port is open, which was open before, and the bus
// address that device commands go to.

#include <string>

#include "connection/qor_com.h"
#include "connection/qor_com_register.h"
#include "device/open_failure.h"
#include "device/qorvelt1.h"
#include "device/velt1com.h"
#include "support/qor_error.h"
#include "ui/runtime.h"

namespace {

constexpr int kHoechsterPort = 256;

struct Sitzung {
  int comPort = 0;
  int lastComPort = 0;
  char adresse = '1';
};

Sitzung& Aktuell() {
  static Sitzung sitzung;
  return sitzung;
}

bool GueltigerPort(int port) { return port >= 0 && port <= kHoechsterPort; }

}  // namespace

int QorCom_Open(int port) {
  Sitzung& s = Aktuell();
  if (!GueltigerPort(port)) return QORCOM_FEHLER_COMPORT;
  if (port == s.comPort) return 0;
  if (s.comPort != 0) {
    QORVELT1_Close(s.comPort);
    s.lastComPort = s.comPort;
    s.comPort = 0;
  }
  int result = 0;
  if (port != 0) {
    result = QORVELT1_Open(port, QORVELT1_BAUD);
    if (result == 0) {
      s.comPort = port;
      QORVELT1_Timeout(port, QORVELT1_ZEITLIMIT_SEKUNDEN);
    } else if (const std::string ursache = rs232::OpenFailureText(port); !ursache.empty()) {
      // The message of the code then says why, and which device it is.
      QOR_Fehleruserstring(ursache.c_str());
    }
  }
  QorCom_ComPortAnzeigen(s.comPort);
  return result;
}

int QorCom_Close() {
  QorCom_Open(0);
  return 0;
}

int QorCom_ComPortGet() { return Aktuell().comPort; }

int QorCom_LastComPortGet() { return Aktuell().lastComPort; }

int QorCom_LastComPortSet(int port) {
  if (!GueltigerPort(port)) return QORCOM_FEHLER_LASTCOMPORT;
  Aktuell().lastComPort = port;
  return 0;
}

int QorCom_AdresseSet(char adresse) {
  if (!QORVELT1_SitzungsadresseGueltig(adresse)) return QORCOM_FEHLER_ADRESSE;
  Aktuell().adresse = adresse;
  const CtrlRef& ring = QorComRegister().adressRing;
  if (ring.gesetzt()) SetCtrlVal(ring.panel, ring.control, static_cast<int>(adresse));
  return 0;
}

int QorCom_AdresseGet() { return Aktuell().adresse; }

int QorCom_ComPortUmschalten() {
  if (Aktuell().comPort != 0) {
    QorCom_Open(0);
    return 0;
  }
  return QorCom_Open(Aktuell().lastComPort);
}

void QorCom_DienstAnbinden() {
  DaxCom_SitzungSetzen({QorCom_ComPortGet, [] { return static_cast<char>(QorCom_AdresseGet()); }});
  DaxCom_FehleranzeigeSetzen(QorCom_FehlermeldungSet);
}

void QorCom_Freigeben() {
  if (Aktuell().comPort != 0) QORVELT1_Close(Aktuell().comPort);
  Aktuell() = Sitzung{};
  QorComRegister() = QorComControls{};
  DaxCom_HooksEntfernen();
}
