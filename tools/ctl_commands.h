#pragma once
// The commands of velt1ctl, each one or a few driver calls on an open port.
// They print results on standard output and return the driver's code.

#include <string>
#include <vector>

struct CtlContext {
  int port = 0;
  char address = '1';
};

// Result of a command: the driver's error code, or a usage error.
struct CtlResult {
  int code = 0;
  std::string usage;  // non-empty: the arguments were wrong
};

// Runs `command` with its arguments. Commands that need no port ("ports")
// ignore the context's port.
CtlResult RunCtlCommand(const CtlContext& context, const std::string& command,
                        const std::vector<std::string>& arguments);
// What is wrong with the arguments, checked before the port is opened; empty when nothing.
std::string CtlArgumentError(const std::string& command, const std::vector<std::string>& arguments);
bool CtlCommandNeedsPort(const std::string& command);
bool IsCtlCommand(const std::string& command);

// "Fehler #404015: Fehlerhafte Antwort vom Gerät"
std::string CtlErrorText(int code);
