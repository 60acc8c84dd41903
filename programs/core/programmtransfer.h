#pragma once
// The order of device services when programs travel between the table and a
// VELT-1. This unit knows no panel and no box: the caller asks the operator,
// passes the answer, and shows the outcome. The device is reached through
// four services on its working parameters and program slots.
//
// The services show their own outcome on the error displays. A write-back
// after a failure shows its own outcome (a success clears the displays), so
// a caller that keeps the displays in step shows the returned code again.

#include <array>
#include <functional>

#include "programs/core/programmtabelle.h"

// The four device services; each returns 0 or an error code.
class ProgrammDienste {
 public:
  virtual ~ProgrammDienste() = default;
  // The device's working parameters into the record; the record stays as it
  // was when the service fails.
  virtual int ParameterLesen(Programm* ziel) = 0;
  // The record becomes the device's working parameters.
  virtual int ParameterSchreiben(const Programm& quelle) = 0;
  // Stored program n (1 to 16) into the working parameters.
  virtual int ProgrammLaden(int nummer) = 0;
  // The working parameters stored as program n (1 to 16).
  virtual int ParameterAlsProgrammSpeichern(int nummer) = 0;
};

// An entry outside 0..16 for "aktuelles" ("Falscher Parameter"): nothing is sent.
constexpr int PROGRAMMTRANSFER_FALSCHER_EINTRAG = -504601;

// The operator's answer: the selected entry only, or all seventeen.
enum class TransferUmfang { Aktuelles, Alle };

// Reported before each entry is transferred: entry 0..16, as step 1..anzahl.
struct TransferFortschritt {
  int eintrag;
  int schritt;
  int anzahl;
};
using TransferMelden = std::function<void(const TransferFortschritt&)>;

struct LeseErgebnis {
  int code = 0;
  // The entries the table received from the device, also when the transfer
  // failed later: their list labels are new, and the working copy must be
  // reloaded only when the selected entry is among them.
  std::array<bool, PROGRAMM_ANZAHL> gelesen{};
};

// Reads the selected entry (auswahl 0..16) or all into the table. The device's
// working parameters are saved first and written back at the end; entry 0 is
// read without a load command, so it gets them as they stand. When a failure
// follows a load command, the saved working parameters are written back once
// more and the first error is returned.
LeseErgebnis Programmtransfer_Lesen(ProgrammTabelle tabelle, int auswahl, TransferUmfang umfang,
                                    ProgrammDienste& dienste, const TransferMelden& melden = {});

// Writes the selected entry or all from the table (which the caller has
// brought up to date with the working copy).
// - Entry 0 alone: written as the working parameters, nothing else.
// - Program n alone: the working parameters are saved, entry n is written and
//   stored as program n, the saved working parameters are written back; a
//   failure after the save also writes them back once and returns the first
//   error.
// - All: programs 1 to 16, each written and stored, then entry 0 as the
//   working parameters; the first error stops the transfer.
int Programmtransfer_Schreiben(ProgrammTabelleLesen tabelle, int auswahl, TransferUmfang umfang,
                               ProgrammDienste& dienste, const TransferMelden& melden = {});
