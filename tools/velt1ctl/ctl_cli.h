#pragma once
// The command line of velt1ctl: options, commands and their arguments, all
// checked before a port is opened or anything is allocated for them.

#include <functional>
#include <string>

#include "ctl_commands.h"

struct CtlInvocation {
  CtlContext context;
  std::string devicePath;  // --device; empty for --com
  bool trace = false;
  bool needsPort = true;
  std::function<int(const CtlContext&)> run;  // the command; returns the driver's code
};

// cli::kGoOn with `invocation` filled in; otherwise the exit code, after the
// help, the version or a usage error has been printed.
int ParseCtlCommandLine(int argc, char** argv, CtlInvocation& invocation);
