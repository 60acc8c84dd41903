#pragma once
// The controls that the panels have handed to Qor_Com, and the module's
// language: shared by the session, the displays and the device search.

#include <array>

#include "connection/qor_com.h"

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
  int sprache = 1;  // 1 German, 2 English
};

QorComControls& QorComRegister();

// Names the device behind the port ring's COM number in its tooltip.
void QorCom_PortTooltipSetzen();
