#pragma once
// The program transfers on the device services: each of the four services of
// a transfer is the Velt1Com service of the same task, so a transfer takes
// the session's port and address, lights the "Com" LEDs and shows every
// result on the error display like any other device access.

#include "programs/core/programmtransfer.h"

class Geraetedienste final : public ProgrammDienste {
 public:
  int ParameterLesen(Programm* ziel) override;
  int ParameterSchreiben(const Programm& quelle) override;
  int ProgrammLaden(int nummer) override;
  int ParameterAlsProgrammSpeichern(int nummer) override;
};
