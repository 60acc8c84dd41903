// velt1ctl: the VELT-1 driver on the command line, for scripts and service
// work. Exit status 0 on success, 1 when the device or port failed (the
// message on standard error as "Fehler #<n>: <Text>"), 2 on wrong usage,
// 3 when diff found differences.

#include <cstdio>
#include <memory>
#include <string>

#include "cli_support.h"
#include "ctl_cli.h"
#include "ctl_commands.h"
#include "ctl_mehrere_ports.h"
#include "ctl_device_path_posix.h"
#include "ctl_trace.h"
#include "device/qorvelt1.h"
#include "support/file_replace.h"
#include "support/qor_error.h"

namespace {

constexpr int kExitFailure = 1;

int Fail(int code) {
  // Silent codes: the command has printed its own message.
  if (!QOR_FehlerStill(code)) std::fprintf(stderr, "%s\n", CtlErrorText(code).c_str());
  return kExitFailure;
}

// id, read-all, write-all and diff: prepared once, then on every port at once.
int RunOnPorts(const CtlInvocation& invocation) {
  CtlPortAuftrag auftrag;
  if (const int code = invocation.portBefehl(auftrag); code != 0) return Fail(code);
  return CtlAufPortsAusfuehren(invocation.ziele, invocation.context.address, auftrag, invocation.json);
}

int Run(int argc, char** argv) {
  CtlInvocation invocation;
  if (const int exitCode = ParseCtlCommandLine(argc, argv, invocation); exitCode != cli::kGoOn) {
    return exitCode;
  }
  if (!invocation.needsPort) {
    if (invocation.portBefehl) return RunOnPorts(invocation);
    const int code = invocation.run(invocation.context);
    return code == 0 ? 0 : Fail(code);
  }

  PrivatePort privatePort;
  for (CtlPortZiel& ziel : invocation.ziele) {
    if (ziel.geraet.empty()) continue;
    std::string error;
    ziel.port = privatePort.create(ziel.geraet, error);
    if (ziel.port == 0) {
      std::fprintf(stderr, "velt1ctl: %s\n", error.c_str());
      return kExitFailure;
    }
  }
  CtlContext& context = invocation.context;
  context.port = invocation.ziele.front().port;
  std::unique_ptr<ByteTrace> byteTrace;
  if (invocation.trace) {
    byteTrace = std::make_unique<ByteTrace>(stderr);
    InstallTrace(*byteTrace);
  }
  if (invocation.portBefehl) return RunOnPorts(invocation);
  int code = CtlPortOeffnen(context.port);
  if (code != 0) return Fail(code);
  code = invocation.run(context);
  QORVELT1_Close(context.port);
  if (byteTrace) byteTrace->flush();
  return code == 0 ? 0 : Fail(code);
}

// Output that could not be written (a full disk, a file-size limit) makes
// the run a failure, never a success.
int CheckOutput(int exitCode) {
  if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return exitCode;
  std::fprintf(stderr, "velt1ctl: Ausgabe konnte nicht geschrieben werden\n");
  return exitCode == 0 ? kExitFailure : exitCode;
}

}  // namespace

int main(int argc, char** argv) {
  // Output to a file over the size limit fails instead of ending the program.
  file_replace::KeepRunningAtFileSizeLimit();
  return CheckOutput(Run(argc, argv));
}
