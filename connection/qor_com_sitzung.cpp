// The session's state and what reads or sets it without showing anything.

#include "connection/qor_com_sitzung.h"

QorComSitzung gQorCom;

int QorCom_ComPortGet() { return gQorCom.comPort; }

int QorCom_LastComPortGet() { return gQorCom.lastComPort; }

int QorCom_LastComPortSet(int port) {
  if (!QorCom_PortGueltig(port)) return QORCOM_FEHLER_LASTCOMPORT;
  gQorCom.lastComPort = port;
  return 0;
}

int QorCom_AdresseGet() { return gQorCom.adresse; }

void QorCom_SpracheSetzen(int sprache) {
  if (sprache == 1 || sprache == 2) gQorCom.sprache = sprache;
}
