// velt1-sim: VELT-1 devices on a pseudo-terminal, reachable as a COM port.
// Prints the device path (and the COM number) in one line once it serves, and
// runs until SIGINT or SIGTERM; then it removes its COM link and exits 0.

#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "cli_support.h"
#include "line_server_posix.h"
#include "pty_line_posix.h"
#include "sim_options.h"
#include "support/file_replace.h"

#ifdef __linux__
#include <sys/prctl.h>
#endif

namespace {

volatile std::sig_atomic_t gStop = 0;

void OnSignal(int) { gStop = 1; }

void Announce(const PtyLine& line, int com) {
  const std::string comText = com > 0 ? " COM" + std::to_string(com) : "";
  std::printf("%s%s\n", line.slavePath().c_str(), comText.c_str());
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  // Output to a file over the size limit fails instead of ending the program.
  file_replace::KeepRunningAtFileSizeLimit();
  SimOptions options;
  if (const int exitCode = ParseSimCommandLine(argc, argv, options); exitCode != cli::kGoOn) {
    return exitCode;
  }
  std::string error;
  sim::Bus bus(options.hostTimeout);
  SetUpBus(options, bus);

  // Signals reach us only while the server waits, so a shutdown never tears
  // a write in half; the handler only sets a flag.
  // SIGHUP: the terminal it ran in was closed.
  constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};
  sigset_t blocked, waitMask;
  sigemptyset(&blocked);
  for (const int stopSignal : kStopSignals) sigaddset(&blocked, stopSignal);
  sigprocmask(SIG_BLOCK, &blocked, &waitMask);
  struct sigaction action {};
  action.sa_handler = OnSignal;
  for (const int stopSignal : kStopSignals) {
    sigdelset(&waitMask, stopSignal);
    sigaction(stopSignal, &action, nullptr);
  }
  signal(SIGPIPE, SIG_IGN);
#ifdef __linux__
  // Paced bytes are due every 1.04 ms; the default timer slack of 50 µs
  // would show in the line's utilisation.
  if (options.pace) prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
#endif

  PtyLine line;
  ComLink link;
  if (!line.open(error) || (options.com > 0 && !link.create(options.com, line.slavePath(), error))) {
    std::fprintf(stderr, "velt1-sim: %s\n", error.c_str());
    return 1;
  }
  Announce(line, options.com);

  // A dropped line comes back as a fresh pseudo-terminal, as an adapter that
  // was pulled out and plugged in again; the link follows it.
  auto replug = [&]() -> int {
    if (!line.open(error) || !link.repoint(line.slavePath(), error)) {
      std::fprintf(stderr, "velt1-sim: %s\n", error.c_str());
      return -1;
    }
    Announce(line, options.com);
    return line.master();
  };
  LineServer server(bus, options.pace, static_cast<std::size_t>(options.fifo), options.hostTimeout);
  const bool ok = server.run(line.master(), gStop, waitMask, replug);
  link.remove();
  line.close();
  std::fprintf(stderr, "velt1-sim: %d Frames empfangen\n", bus.framesReceived());
  return ok ? 0 : 1;
}
