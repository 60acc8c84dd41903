// velt1ctl: the VELT-1 driver on the command line, for scripts and service
// work. Exit status 0 on success, 1 when the device or port failed (the
// message on standard error as "Fehler #<n>: <Text>"), 2 on wrong usage.

#include <cstdio>
#include <memory>
#include <string>

#include "cli_support.h"
#include "ctl_cli.h"
#include "ctl_commands.h"
#include "ctl_device_path_posix.h"
#include "ctl_trace.h"
#include "device/open_failure.h"
#include "device/qorvelt1.h"
#include "support/file_replace.h"
#include "support/qor_error.h"

namespace {

constexpr int kExitFailure = 1;

int Fail(int code) {
  // Silent codes: the command has printed its own message.
  if (QOR_FehlerStill(code)) return kExitFailure;
  std::fprintf(stderr, "%s\n", CtlErrorText(code).c_str());
  return kExitFailure;
}

int Run(int argc, char** argv) {
  CtlInvocation invocation;
  if (const int exitCode = ParseCtlCommandLine(argc, argv, invocation); exitCode != cli::kGoOn) {
    return exitCode;
  }
  if (!invocation.needsPort) {
    const int code = invocation.run(invocation.context);
    return code == 0 ? 0 : Fail(code);
  }

  CtlContext& context = invocation.context;
  PrivatePort privatePort;
  if (!invocation.devicePath.empty()) {
    std::string error;
    context.port = privatePort.create(invocation.devicePath, error);
    if (context.port == 0) {
      std::fprintf(stderr, "velt1ctl: %s\n", error.c_str());
      return kExitFailure;
    }
  }
  std::unique_ptr<ByteTrace> byteTrace;
  if (invocation.trace) {
    byteTrace = std::make_unique<ByteTrace>(stderr);
    InstallTrace(*byteTrace);
  }
  int code = QORVELT1_Open(context.port, QORVELT1_BAUD);
  // The message says why the port did not open, and which device it is.
  if (code != 0) QOR_Fehleruserstring(rs232::OpenFailureText(context.port).c_str());
  if (code == 0) code = QORVELT1_Timeout(context.port, QORVELT1_ZEITLIMIT_SEKUNDEN);
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
