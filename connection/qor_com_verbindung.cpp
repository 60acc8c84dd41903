// The session's port and address: opening, closing and switching the port,
// choosing the address, and connecting the device services to the session.

#include <string>

#include "connection/qor_com.h"
#include "connection/qor_com_sitzung.h"
#include "device/open_failure.h"
#include "device/qorvelt1.h"
#include "device/velt1com.h"
#include "support/qor_error.h"

int QorCom_Open(int port) {
  QorComSitzung& s = gQorCom;
  if (!QorCom_PortGueltig(port)) return QORCOM_FEHLER_COMPORT;
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

int QorCom_AdresseSet(char adresse) {
  if (!QORVELT1_SitzungsadresseGueltig(adresse)) return QORCOM_FEHLER_ADRESSE;
  gQorCom.adresse = adresse;
  QorCom_AdresseAnzeigen(adresse);
  return 0;
}

int QorCom_ComPortUmschalten() {
  if (gQorCom.comPort != 0) {
    QorCom_Open(0);
    return 0;
  }
  return QorCom_Open(gQorCom.lastComPort);
}

void QorCom_DienstAnbinden() {
  DaxCom_SitzungSetzen({QorCom_ComPortGet, [] { return static_cast<char>(QorCom_AdresseGet()); }});
  DaxCom_FehleranzeigeSetzen(QorCom_FehlermeldungSet);
}

void QorCom_Freigeben() {
  if (gQorCom.comPort != 0) QORVELT1_Close(gQorCom.comPort);
  gQorCom = QorComSitzung{};
  DaxCom_HooksEntfernen();
}
