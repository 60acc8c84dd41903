#pragma once
// The command line of velt1ctl: options, commands and their arguments, all
// checked before a port is opened or anything is allocated for them.

#include <functional>
#include <string>
#include <vector>

#include "ctl_commands.h"
#include "ctl_mehrere_ports.h"

struct CtlInvocation {
  CtlContext context;              // port: the first of `ziele`
  std::vector<CtlPortZiel> ziele;  // --com N (or N,M and N-M), or each --device; none without a port
  bool trace = false;
  bool needsPort = true;
  bool json = false;
  std::function<int(const CtlContext&)> run;  // the command; returns the driver's code
  CtlPortBefehl portBefehl;  // instead of run: a command that takes several ports at once
};

// cli::kGoOn with `invocation` filled in; otherwise the exit code, after the
// help, the version or a usage error has been printed.
int ParseCtlCommandLine(int argc, char** argv, CtlInvocation& invocation);
