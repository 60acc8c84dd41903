// Which bus address characters the driver and the program's session take.

#include <cstring>

#include "device/qorvelt1.h"

bool QORVELT1_EinzeladresseGueltig(char adresse) {
  return (adresse >= '1' && adresse <= '9') || (adresse >= 'a' && adresse <= 'f');
}

bool QORVELT1_SchreibadresseGueltig(char adresse) {
  return QORVELT1_EinzeladresseGueltig(adresse) || adresse == QORVELT1_SAMMELADRESSE;
}

bool QORVELT1_SitzungsadresseGueltig(char adresse) {
  return adresse != '\0' && std::strchr(QORVELT1_SITZUNGSADRESSEN, adresse) != nullptr;
}
