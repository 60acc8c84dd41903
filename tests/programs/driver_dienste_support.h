#pragma once
// The four device services made of the protocol driver's calls, for testing
// the transfers against the simulator. A service call can be made to fail:
// the bus then answers its first frame with NAK.

#include <set>

#include "programs/core/programmtransfer.h"
#include "sim/bus.h"

namespace programs_test {

class DriverDienste : public ProgrammDienste {
 public:
  DriverDienste(int port, char adresse, sim::Bus& bus) : port_(port), adresse_(adresse), bus_(bus) {}

  // Service calls counted from 0 in the order they are made.
  void FehlerBeiAufruf(int aufruf) { fehlerBei_.insert(aufruf); }

  int ParameterLesen(Programm* ziel) override;
  int ParameterSchreiben(const Programm& quelle) override;
  int ProgrammLaden(int nummer) override;
  int ParameterAlsProgrammSpeichern(int nummer) override;

 private:
  void Aufruf(const char* ersterBefehl);

  int port_;
  char adresse_;
  sim::Bus& bus_;
  int aufrufe_ = 0;
  std::set<int> fehlerBei_;
};

}  // namespace programs_test
