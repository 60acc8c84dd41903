#include "device/qorvelt1_transaktion.h"

#include <cstring>

#include "device/qorvelt1.h"
#include "device/serial_port.h"

bool QORVELT1_EinzeladresseGueltig(char adresse) {
  return (adresse >= '1' && adresse <= '9') || (adresse >= 'a' && adresse <= 'f');
}

bool QORVELT1_SchreibadresseGueltig(char adresse) {
  return QORVELT1_EinzeladresseGueltig(adresse) || adresse == QORVELT1_SAMMELADRESSE;
}

bool QORVELT1_SitzungsadresseGueltig(char adresse) {
  return adresse != '\0' && std::strchr(QORVELT1_SITZUNGSADRESSEN, adresse) != nullptr;
}

namespace qorvelt1 {

std::string Rahmen(char adresse, std::string_view befehl, std::string_view argument) {
  std::string frame = "#";
  frame += adresse;
  frame += befehl;
  frame += argument;
  frame += kCr;
  return frame;
}

int Senden(int port, char adresse, std::string_view frame, const Orte& orte) {
  const int flush = QORVELT1_PufferLeeren(port);
  if (flush != 0) return orte.flushOrt != 0 ? Code(-112, orte.flushOrt) : flush;

  const int laenge = static_cast<int>(frame.size());
  const int geschrieben = rs232::ComWrt(port, frame.data(), laenge);
  if (geschrieben < 0) return Code(-101, orte.ersterOrt);
  if (geschrieben != laenge) return Code(orte.kurzMeldung, orte.ersterOrt + 1);
  // A port that fails or a queue that does not empty within the frame's line
  // time plus the time-out ends the wait; the frame did not surely leave.
  if (rs232::WaitOutQEmpty(port, laenge) != 0) return Code(-101, orte.ersterOrt);

  // Nobody answers the common address, so no answer proves that the frame
  // has left; without that wait the next command's flush could throw away
  // what a pseudo-terminal or a UART's FIFO still holds.
  if (adresse == QORVELT1_SAMMELADRESSE) return rs232::WaitUntilSent(port) == 0 ? 0 : Code(-101, orte.ersterOrt);

  const int antwort = rs232::ComRdByte(port);
  if (antwort == kNak) return Code(-402, orte.ersterOrt + 2);
  if (antwort == kCan) return Code(-405, orte.ersterOrt + 3);
  if (antwort < 0) return Code(-403, orte.ersterOrt + 4);
  if (antwort != kAck) return Code(-404, orte.ersterOrt + 5);
  return 0;
}

bool AntwortLesen(int port, std::size_t grenze, std::string& antwort) {
  antwort.clear();
  while (antwort.size() < grenze) {
    const int byte = rs232::ComRdByte(port);
    if (byte < 0) return false;
    antwort.push_back(static_cast<char>(byte));
    if (byte == kCr) break;
  }
  return true;
}

}  // namespace qorvelt1
