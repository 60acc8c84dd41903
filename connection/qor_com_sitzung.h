#pragma once
// The state of Qor_Com, the program's one device session, in one place: the
// open port, the last port, the bus address, the module's language, and the
// controls the panels have handed over. Internal to the module; everything
// else goes through qor_com.h. The module's files build on each other in this
// order and never call one further on: qor_com_sitzung, _anzeige, _verbindung,
// _portliste and _suche, _register.

#include <array>

#include "connection/qor_com.h"
#include "device/serial_port.h"

struct CtrlRef {
  int panel = 0;
  int control = 0;
  bool gesetzt() const { return panel > 0; }
};

struct FehlerControls {
  int panel = 0;
  int led = 0;
  int text = 0;
  int number = 0;
};

// Tables grow in registration order up to their capacity; a single slot is
// overwritten by a later registration.
struct QorComControls {
  CtrlRef comRing;
  CtrlRef adressRing;
  CtrlRef idButton;
  CtrlRef idText;
  CtrlRef scanButton;
  CtrlRef scanText;
  std::array<CtrlRef, MAX_PICTURERINGCONTROLS> picturerings;
  int pictureringAnzahl = 0;
  std::array<FehlerControls, MAX_FEHLERCONTROLS> fehler;
  int fehlerAnzahl = 0;
  std::array<CtrlRef, MAX_ADRESSLEDS> adressLeds;
  int adressLedAnzahl = 0;
};

struct QorComSitzung {
  int comPort = 0;      // 0: no port open
  int lastComPort = 0;  // the port open before the last close or switch
  char adresse = '1';
  int sprache = 1;      // 1 German, 2 English
  QorComControls controls;
};

extern QorComSitzung gQorCom;

// The session's ports: 0 (none) or 1..256.
inline bool QorCom_PortGueltig(int port) { return port >= 0 && port <= rs232::kMaxPort; }

// Within the module: the address ring shows the address; the port ring's
// tooltip names the device behind its COM number.
void QorCom_AdresseAnzeigen(char adresse);
void QorCom_PortTooltipSetzen();
