#include "programs/core/geraetedienste.h"

#include "device/velt1com.h"

int Geraetedienste::ParameterLesen(Programm* ziel) { return DaxCom_ParameterLesen(ziel); }

int Geraetedienste::ParameterSchreiben(const Programm& quelle) {
  return DaxCom_ParameterSchreiben(quelle);
}

int Geraetedienste::ProgrammLaden(int nummer) { return DaxCom_ProgrammLaden(nummer); }

int Geraetedienste::ParameterAlsProgrammSpeichern(int nummer) {
  return DaxCom_ParameterAlsProgrammSpeichern(nummer);
}
