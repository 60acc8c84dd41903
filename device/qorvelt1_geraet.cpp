// Identification, start and stop, and moving parameter sets between the
// working parameters and the sixteen program slots.

#include <cstring>
#include <string>

#include "device/qorvelt1.h"
#include "device/qorvelt1_transaktion.h"

using namespace qorvelt1;

namespace {

// The identification fills the caller's 27-byte buffer with its terminating NUL.
constexpr std::size_t kIdMax = 26;

bool IstLeerzeichen(char zeichen) { return zeichen == ' ' || (zeichen >= '\t' && zeichen <= '\r'); }

// "PNP"/"PNS" with the program number, decimal without leading zeros.
int ProgrammBefehl(int port, char adresse, int programm, const char* befehl, int adressOrt) {
  if (!QORVELT1_SchreibadresseGueltig(adresse)) return Code(-400, adressOrt);
  if (programm < 1 || programm > 16) return Code(-401, adressOrt + 1);
  // adressOrt + 2 is the place of a formatting failure, which cannot happen here.
  return Senden(port, adresse, Rahmen(adresse, befehl, std::to_string(programm)),
                {.ersterOrt = adressOrt + 3, .kurzMeldung = -101});
}

}  // namespace

int QORVELT1_IDLesen(int port, char adresse, char* id) {
  if (!QORVELT1_EinzeladresseGueltig(adresse)) return Code(-400, 6);
  const int ergebnis =
      Senden(port, adresse, Rahmen(adresse, "IDR"), {.ersterOrt = 8, .kurzMeldung = -114});
  if (ergebnis != 0) return ergebnis;
  std::string antwort;
  if (!AntwortLesen(port, kAntwortMax, antwort)) return Code(-404, 14);

  // '#', the address sent, a word up to the first white-space byte, and that
  // byte is CR. The reply is text: a NUL ends it, so no CR follows the word.
  if (antwort.size() < 2 || antwort[0] != '#' || antwort[1] != adresse) return Code(-404, 15);
  std::size_t ende = 2;
  while (ende < antwort.size() && antwort[ende] != '\0' && !IstLeerzeichen(antwort[ende])) ++ende;
  const std::size_t laenge = ende - 2;
  if (laenge == 0 || laenge > kIdMax || ende >= antwort.size() || antwort[ende] != kCr) {
    return Code(-404, 15);
  }
  std::memcpy(id, antwort.data() + 2, laenge);
  id[laenge] = '\0';
  return 0;
}

bool QORVELT1_IstVelt1(const char* id) {
  return std::strncmp(id, QORVELT1_KENNUNG, std::strlen(QORVELT1_KENNUNG)) == 0;
}

int QORVELT1_DeviceFunction(int port, char adresse, const char* funktion) {
  if (!QORVELT1_SchreibadresseGueltig(adresse)) return Code(-400, 34);
  const char* befehl = nullptr;
  if (funktion != nullptr && std::strcmp(funktion, "start") == 0) befehl = "DF1";
  if (funktion != nullptr && std::strcmp(funktion, "stopp") == 0) befehl = "DF2";
  if (befehl == nullptr) return Code(-401, 35);
  return Senden(port, adresse, Rahmen(adresse, befehl), {.ersterOrt = 37, .kurzMeldung = -101});
}

int QORVELT1_ProgrammSpeichern(int port, char adresse, int programm) {
  return ProgrammBefehl(port, adresse, programm, "PNP", 43);
}

int QORVELT1_ProgrammLaden(int port, char adresse, int programm) {
  return ProgrammBefehl(port, adresse, programm, "PNS", 52);
}
