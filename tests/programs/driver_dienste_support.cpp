#include "tests/programs/driver_dienste_support.h"

#include "device/qorvelt1.h"

namespace programs_test {

void DriverDienste::Aufruf(const char* ersterBefehl) {
  if (fehlerBei_.count(aufrufe_++) != 0) bus_.faults().add({ersterBefehl, 0, sim::FaultKind::Nak, 1});
}

int DriverDienste::ParameterLesen(Programm* ziel) {
  Aufruf("N1R");
  Programm gelesen{};
  int code = QORVELT1_ParameterLesen(port_, adresse_, "programmname", nullptr, nullptr, gelesen.programmname);
  for (const ProgrammWert& wert : PROGRAMM_WERTE) {
    if (code == 0) code = QORVELT1_ParameterLesen(port_, adresse_, wert.keyword, &(gelesen.*wert.feld), nullptr, nullptr);
  }
  if (code == 0) *ziel = gelesen;
  return code;
}

int DriverDienste::ParameterSchreiben(const Programm& quelle) {
  Aufruf("N1W");
  int code = QORVELT1_ParameterSchreiben(port_, adresse_, "programmname", 0, 0, quelle.programmname);
  for (const ProgrammWert& wert : PROGRAMM_WERTE) {
    if (code == 0) code = QORVELT1_ParameterSchreiben(port_, adresse_, wert.keyword, quelle.*wert.feld, 0, nullptr);
  }
  return code;
}

int DriverDienste::ProgrammLaden(int nummer) {
  Aufruf("PNS");
  return QORVELT1_ProgrammLaden(port_, adresse_, nummer);
}

int DriverDienste::ParameterAlsProgrammSpeichern(int nummer) {
  Aufruf("PNP");
  return QORVELT1_ProgrammSpeichern(port_, adresse_, nummer);
}

}  // namespace programs_test
