#pragma once
// The program transfers on the device services: each of the four services of
// a transfer is the Velt1Com service of the same task, so a transfer takes
// the session's port and address, lights the "Com" LEDs and shows every
// result on the error display like any other device access.

#include "device/velt1com.h"
#include "programs/core/programmtransfer.h"

class Geraetedienste final : public ProgrammDienste {
 public:
  int ParameterLesen(Programm* ziel) override { return DaxCom_ParameterLesen(ziel); }
  int ParameterSchreiben(const Programm& quelle) override { return DaxCom_ParameterSchreiben(quelle); }
  int ProgrammLaden(int nummer) override { return DaxCom_ProgrammLaden(nummer); }
  int ParameterAlsProgrammSpeichern(int nummer) override {
    return DaxCom_ParameterAlsProgrammSpeichern(nummer);
  }
};
