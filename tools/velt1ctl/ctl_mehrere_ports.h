#pragma once
// velt1ctl on several ports at once: one thread per port, since every line is
// independent (the devices on one line still take their turns). Each thread
// opens its port, runs the command and closes it; a port that fails does not
// stop the others. The results are printed when all are done, in the order
// the ports were given, each line whole.

#include <nlohmann/json.hpp>

#include <functional>
#include <string>
#include <vector>

#include "ctl_commands.h"
#include "programs/core/programmtransfer.h"

// Exit status of diff when the sets differ; a failure (1) counts as worse.
constexpr int CTL_EXIT_VERSCHIEDEN = 3;

// One port a command runs on: COM n, or a device given by its path.
struct CtlPortZiel {
  int port = 0;        // for a device: set once its private link exists
  std::string geraet;  // --device PATH; empty for --com
  // "COM 20", or the path.
  std::string name() const;
  // "20", or the device's file name: what "{com}" in a file name becomes.
  std::string kurzname() const;
};

// What a command leaves for one port.
struct CtlPortErgebnis {
  int code = 0;                     // 0, or the code to report
  bool verschieden = false;         // diff: the sets differ
  std::vector<std::string> zeilen;  // the results on standard output
  nlohmann::ordered_json json = nlohmann::ordered_json::object();  // the same for --json
};

// The work on one open port; progress goes to `melden`.
using CtlPortAuftrag =
    std::function<CtlPortErgebnis(const CtlContext&, const CtlPortZiel&, const TransferMelden& melden)>;
// Prepares a command once, before any port opens (its files are read and
// checked here): 0 with `auftrag` set, or the code to report.
using CtlPortBefehl = std::function<int(CtlPortAuftrag& auftrag)>;

// Opens the port as velt1ctl uses it (9600 baud, time-out 1.5 s). On failure
// the next message says why the port did not open.
int CtlPortOeffnen(int port);

// Runs the work on every port, prints the results and returns the exit
// status: 1 when a port failed, else 3 when a diff found differences, else 0.
// - No port (a diff of two files): the result as it is; --json its object.
// - One port: as above; its failure on standard error, as every command does.
// - Several: every line begins with the port ("COM 20: "), a summary follows;
//   --json: an array with one object per port (also for one port).
int CtlAufPortsAusfuehren(const std::vector<CtlPortZiel>& ziele, char adresse, const CtlPortAuftrag& auftrag,
                          bool json);
