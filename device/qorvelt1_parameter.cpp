// Writing and reading one parameter of the working set, or the status word,
// by its keyword.

#include <cmath>
#include <cstring>
#include <string>

#include "device/programm.h"
#include "device/qorvelt1.h"
#include "device/qorvelt1_transaktion.h"
#include "device/qorvelt1_zahlen.h"
#include "device/serial_port.h"

using namespace qorvelt1;

namespace {

enum class Form { Ganzzahl, Zehntel, Name, Status };

// The commands of a keyword. The value fields, their limits among them, are
// the table beside the Programm record; this driver adds how they travel.
struct Befehle {
  double Programm::*feld;  // null: the name or the status word
  const char* schreiben;  // null: read only
  const char* lesen;
  Form form;
  int grenzOrt;  // place of message -500 when the value is outside the limits
};

constexpr Befehle kWertbefehle[] = {
    {&Programm::pruefspannungsquelle, "M1W", "M1R", Form::Ganzzahl, 63},
    {&Programm::pruefspannung, "V1W", "V1R", Form::Zehntel, 65},
    {&Programm::anzahlzaehne, "Z1W", "Z1R", Form::Ganzzahl, 66},
    {&Programm::sensorkanaele, "M2W", "M2R", Form::Ganzzahl, 64},
    {&Programm::toleranzhigh, "L1W", "L1R", Form::Zehntel, 67},
    {&Programm::toleranzlow, "L2W", "L2R", Form::Zehntel, 68},
    {&Programm::toleranzphase, "L3W", "L3R", Form::Ganzzahl, 69},
    {&Programm::schwellwertsteigendeflanke, "V2W", "V2R", Form::Ganzzahl, 70},
    {&Programm::schwellwertfallendeflanke, "V3W", "V3R", Form::Ganzzahl, 71},
    {&Programm::totzeitvorsteigend, "T1W", "T1R", Form::Ganzzahl, 72},
    {&Programm::totzeitnachsteigend, "T2W", "T2R", Form::Ganzzahl, 73},
    {&Programm::totzeitvorfallend, "T3W", "T3R", Form::Ganzzahl, 74},
    {&Programm::totzeitnachfallend, "T4W", "T4R", Form::Ganzzahl, 75},
};
constexpr Befehle kName{nullptr, "N1W", "N1R", Form::Name, 0};
constexpr Befehle kStatus{nullptr, nullptr, "S1R", Form::Status, 0};

// A keyword's commands, and for a value field its entry in the table.
struct Parameter {
  const Befehle* befehle = nullptr;
  const ProgrammWert* wert = nullptr;
};

Parameter Suchen(const char* keyword) {
  if (keyword == nullptr) return {};
  if (std::strcmp(keyword, "programmname") == 0) return {&kName};
  if (std::strcmp(keyword, "status") == 0) return {&kStatus};
  const ProgrammWert* wert = ProgrammWert_ZumKeyword(keyword);
  if (wert == nullptr) return {};
  for (const Befehle& befehle : kWertbefehle) {
    if (befehle.feld == wert->feld) return {&befehle, wert};
  }
  return {};
}

// The limits allow for a small rounding error; NaN fails both comparisons.
bool InGrenzen(double wert, const ProgrammWert& feld) {
  constexpr double kToleranz = 0.0001;
  return wert >= feld.geraet.unten - kToleranz && wert <= feld.geraet.oben + kToleranz;
}

// A frame must fit the output queue, since it is handed over with one write.
constexpr std::size_t kRahmenMax = 512;

// A name reply is "#", address, command, up to 25 characters and CR. This is
// longer than the other replies: with their limit of 29 bytes a name of 25
// characters would lose its last one.
constexpr std::size_t kNamenAntwortMax = 5 + PROGRAMMNAME_MAX_GERAET + 1;

}  // namespace

bool QORVELT1_ParameterZulaessig(const char* keyword, double wert) {
  const Parameter parameter = Suchen(keyword);
  return parameter.wert != nullptr && InGrenzen(wert, *parameter.wert);
}

int QORVELT1_ParameterSchreiben(int port, char adresse, const char* keyword, double wert,
                                int /*ganzzahl: no keyword of this device uses it*/,
                                const char* name) {
  if (!QORVELT1_SchreibadresseGueltig(adresse)) return Code(-400, 61);
  const Parameter parameter = Suchen(keyword);
  if (parameter.wert != nullptr && !InGrenzen(wert, *parameter.wert)) {
    return Code(-500, parameter.befehle->grenzOrt);
  }
  if (parameter.befehle == nullptr || parameter.befehle->schreiben == nullptr) return Code(-401, 115);
  const Befehle& befehle = *parameter.befehle;
  if (befehle.form == Form::Name && name == nullptr) return Code(-401, 115);

  std::string argument;
  switch (befehle.form) {
    case Form::Ganzzahl:
      argument = GanzzahlText(wert);
      break;
    case Form::Zehntel:
      argument = ZehntelText(wert);
      break;
    case Form::Name:
      // A control character (a CR above all) would end the frame early and
      // let the rest of the name run as a command of its own.
      argument = Programmname_Druckbar(name);
      break;
    case Form::Status:
      break;
  }
  const std::string frame = Rahmen(adresse, befehle.schreiben, argument);
  if (frame.size() > kRahmenMax) return Code(-202, 116);
  return Senden(port, adresse, frame, {.ersterOrt = 118, .kurzMeldung = -101, .flushOrt = 117});
}

int QORVELT1_ParameterLesen(int port, char adresse, const char* keyword, double* wert, int* status,
                            char* name) {
  if (!QORVELT1_EinzeladresseGueltig(adresse)) return Code(-400, 124);
  const Befehle* gefunden = Suchen(keyword).befehle;
  if (gefunden == nullptr) return Code(-401, 202);
  const Befehle& befehle = *gefunden;
  // The output that belongs to the keyword must be there before anything is sent.
  const bool ausgabeDa = befehle.form == Form::Name     ? name != nullptr
                         : befehle.form == Form::Status ? status != nullptr
                                                        : wert != nullptr;
  if (!ausgabeDa) return Code(-401, 202);

  const std::string frame = Rahmen(adresse, befehle.lesen);
  const int ergebnis =
      Senden(port, adresse, frame, {.ersterOrt = 204, .kurzMeldung = -114, .flushOrt = 203});
  if (ergebnis != 0) return ergebnis;

  std::string antwort;
  const std::size_t grenze = befehle.form == Form::Name ? kNamenAntwortMax : kAntwortMax;
  if (!AntwortLesen(port, grenze, antwort)) return Code(-404, 210);
  // The echo ties the reply to this command: a late answer to another one fails here.
  if (antwort.compare(0, 5, frame, 0, 5) != 0) return Code(-404, 211);
  const std::string_view inhalt = std::string_view(antwort).substr(5);

  switch (befehle.form) {
    case Form::Name: {
      // Up to the CR, at most 25 characters, blanks included. A NUL cannot be
      // part of the name text: such a reply has no name.
      std::size_t laenge = 0;
      while (laenge < inhalt.size() && laenge < PROGRAMMNAME_MAX_GERAET && inhalt[laenge] != kCr) {
        if (inhalt[laenge] == '\0') return Code(-404, 216);
        ++laenge;
      }
      std::memcpy(name, inhalt.data(), laenge);
      name[laenge] = '\0';
      return 0;
    }
    case Form::Status:
      if (inhalt.substr(0, 4) == "err\r") return Code(-409, 212);
      return HexLesen(inhalt, *status) ? 0 : Code(-404, 217);
    case Form::Ganzzahl:
    case Form::Zehntel:
      if (inhalt.substr(0, 4) == "err\r") return Code(-409, 212);
      return RealLesen(inhalt, *wert) ? 0 : Code(-404, 213);
  }
  return Code(-404, 213);
}
