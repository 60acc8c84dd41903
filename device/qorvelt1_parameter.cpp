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

struct Parameter {
  const char* keyword;
  const char* schreibBefehl;  // null: read only
  const char* leseBefehl;
  Form form;
  double unten;
  double oben;
  int grenzOrt;  // place of message -500 when the value is outside the limits
};

constexpr Parameter kParameter[] = {
    {"programmname", "N1W", "N1R", Form::Name, 0, 0, 0},
    {"pruefspannungsquelle", "M1W", "M1R", Form::Ganzzahl, 1, 33, 63},
    {"pruefspannung", "V1W", "V1R", Form::Zehntel, 1, 33, 65},
    {"anzahlzaehne", "Z1W", "Z1R", Form::Ganzzahl, 1, 125, 66},
    {"sensorkanaele", "M2W", "M2R", Form::Ganzzahl, 1, 33, 64},
    {"toleranzhigh", "L1W", "L1R", Form::Zehntel, 0, 33, 67},
    {"toleranzlow", "L2W", "L2R", Form::Zehntel, 0, 33, 68},
    {"toleranzphase", "L3W", "L3R", Form::Ganzzahl, 0, 180, 69},
    {"schwellwertsteigendeflanke", "V2W", "V2R", Form::Ganzzahl, 1, 99, 70},
    {"schwellwertfallendeflanke", "V3W", "V3R", Form::Ganzzahl, 1, 99, 71},
    {"totzeitvorsteigend", "T1W", "T1R", Form::Ganzzahl, 1, 999, 72},
    {"totzeitnachsteigend", "T2W", "T2R", Form::Ganzzahl, 20, 999, 73},
    {"totzeitvorfallend", "T3W", "T3R", Form::Ganzzahl, 1, 999, 74},
    {"totzeitnachfallend", "T4W", "T4R", Form::Ganzzahl, 20, 999, 75},
    {"status", nullptr, "S1R", Form::Status, 0, 0, 0},
};

const Parameter* Suchen(const char* keyword) {
  if (keyword == nullptr) return nullptr;
  for (const Parameter& parameter : kParameter) {
    if (std::strcmp(parameter.keyword, keyword) == 0) return &parameter;
  }
  return nullptr;
}

// The limits allow for a small rounding error; NaN fails both comparisons.
bool InGrenzen(double wert, const Parameter& parameter) {
  constexpr double kToleranz = 0.0001;
  return wert >= parameter.unten - kToleranz && wert <= parameter.oben + kToleranz;
}

// A frame must fit the output queue, since it is handed over with one write.
constexpr std::size_t kRahmenMax = 512;

// A name reply is "#", address, command, up to 25 characters and CR. This is
// longer than the other replies: with their limit of 29 bytes a name of 25
// characters would lose its last one.
constexpr std::size_t kNamenAntwortMax = 5 + PROGRAMMNAME_MAX_GERAET + 1;

bool HatGrenzen(const Parameter* parameter) {
  return parameter != nullptr && parameter->form != Form::Name && parameter->form != Form::Status;
}

}  // namespace

int QORVELT1_ParameterGrenzen(const char* keyword, double* unten, double* oben) {
  const Parameter* parameter = Suchen(keyword);
  if (!HatGrenzen(parameter)) return Code(-401, 115);
  if (unten != nullptr) *unten = parameter->unten;
  if (oben != nullptr) *oben = parameter->oben;
  return 0;
}

bool QORVELT1_ParameterZulaessig(const char* keyword, double wert) {
  const Parameter* parameter = Suchen(keyword);
  return HatGrenzen(parameter) && InGrenzen(wert, *parameter);
}

int QORVELT1_ParameterSchreiben(int port, char adresse, const char* keyword, double wert,
                                int /*ganzzahl: no keyword of this device uses it*/,
                                const char* name) {
  if (!QORVELT1_SchreibadresseGueltig(adresse)) return Code(-400, 61);
  const Parameter* parameter = Suchen(keyword);
  if (HatGrenzen(parameter) && !InGrenzen(wert, *parameter)) {
    return Code(-500, parameter->grenzOrt);
  }
  if (parameter == nullptr || parameter->schreibBefehl == nullptr) return Code(-401, 115);
  if (parameter->form == Form::Name && name == nullptr) return Code(-401, 115);

  std::string argument;
  switch (parameter->form) {
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
  const std::string frame = Rahmen(adresse, parameter->schreibBefehl, argument);
  if (frame.size() > kRahmenMax) return Code(-202, 116);
  return Senden(port, adresse, frame, {.ersterOrt = 118, .kurzMeldung = -101, .flushOrt = 117});
}

int QORVELT1_ParameterLesen(int port, char adresse, const char* keyword, double* wert, int* status,
                            char* name) {
  if (!QORVELT1_EinzeladresseGueltig(adresse)) return Code(-400, 124);
  const Parameter* parameter = Suchen(keyword);
  if (parameter == nullptr) return Code(-401, 202);
  // The output that belongs to the keyword must be there before anything is sent.
  const bool ausgabeDa = parameter->form == Form::Name     ? name != nullptr
                         : parameter->form == Form::Status ? status != nullptr
                                                           : wert != nullptr;
  if (!ausgabeDa) return Code(-401, 202);

  const std::string frame = Rahmen(adresse, parameter->leseBefehl);
  const int ergebnis =
      Senden(port, adresse, frame, {.ersterOrt = 204, .kurzMeldung = -114, .flushOrt = 203});
  if (ergebnis != 0) return ergebnis;

  std::string antwort;
  const std::size_t grenze = parameter->form == Form::Name ? kNamenAntwortMax : kAntwortMax;
  if (!AntwortLesen(port, grenze, antwort)) return Code(-404, 210);
  // The echo ties the reply to this command: a late answer to another one fails here.
  if (antwort.compare(0, 5, frame, 0, 5) != 0) return Code(-404, 211);
  const std::string_view inhalt = std::string_view(antwort).substr(5);

  switch (parameter->form) {
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
