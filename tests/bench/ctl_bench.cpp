// velt1ctl benchmark: read-all and write-all at address 1, and write-all to
// every device ('&', which answers nothing), each a whole velt1ctl run,
// against velt1-sim --pace over a pseudo-terminal. Reports each transfer's
// elapsed time against its line time: every character of its frames and
// their answers (counted from a --trace run) at 10 bits, 9600 baud. The
// elapsed time is the whole run, start of the program and opening of the
// port included; a second figure leaves out what a run of "id" takes beyond
// its own line time, which is the same for every run.
//
// Usage: velt1_bench_ctl [RUNS [FIFO]]   (default 1 run, FIFO 1)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/kit/process.h"
#include "tests/kit/trace.h"

namespace {

using namespace kit;

constexpr double kCharSeconds = 10.0 / 9600.0;
const std::string kCom = "31";

struct Counted {
  long characters = 0;  // both directions
  long frames = 0;      // frames the host sent
};

Counted CountTrace(const std::string& trace) {
  const TracedBytes bytes = BytesOfTrace(trace);
  return {static_cast<long>(bytes.sent.size() + bytes.received.size()),
          static_cast<long>(std::count(bytes.sent.begin(), bytes.sent.end(), '\r'))};
}

bool Run(const std::vector<std::string>& arguments, const std::string& ports, ToolRun& run) {
  run = RunTool(VELT1CTL_PATH, arguments, ports);
  if (run.exitCode == 0) return true;
  std::fprintf(stderr, "velt1ctl %s: %s", arguments[2].c_str(), run.err.c_str());
  return false;
}

// The line time of a command's characters and its mean elapsed time over `runs`; false on failure.
bool Measure(const std::vector<std::string>& arguments, const std::string& ports, int runs, Counted& counted,
             double& lineTime, double& elapsed) {
  ToolRun run;
  std::vector<std::string> traced = arguments;
  traced.push_back("--trace");
  if (!Run(traced, ports, run)) return false;
  counted = CountTrace(run.err);
  lineTime = static_cast<double>(counted.characters) * kCharSeconds;
  elapsed = 0;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    if (!Run(arguments, ports, run)) return false;
    elapsed += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  elapsed /= runs;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 1;
  const int fifo = argc > 2 ? std::atoi(argv[2]) : 1;
  if (runs < 1 || fifo < 1) {
    std::fprintf(stderr, "Aufruf: velt1_bench_ctl [LAEUFE [FIFO]]\n");
    return 2;
  }
  TempFolder ports;
  SimProcess sim({"--com", kCom, "--pace", "--fifo", std::to_string(fifo)}, ports.path());
  if (sim.firstLine().empty()) {
    std::fprintf(stderr, "velt1-sim did not start\n");
    return 1;
  }
  const std::string file = ports.path() + "/satz.vlt";
  Counted counted;
  double lineTime = 0;
  double elapsed = 0;
  constexpr int kIdRuns = 10;
  if (!Measure({"--com", kCom, "id"}, ports.path(), kIdRuns, counted, lineTime, elapsed)) return 1;
  const double overhead = elapsed - lineTime;
  std::printf("FIFO %d, %d Lauf/Läufe je Übertragung; Programmstart und Öffnen: %.1f ms\n", fifo, runs,
              overhead * 1e3);
  std::printf("%-12s %7s %8s %13s %13s %11s %16s\n", "Befehl", "Frames", "Zeichen", "Leitungszeit", "verstrichen",
              "Auslastung", "ohne Start");
  for (const auto& [address, command] : {std::pair{"1", "read-all"}, {"1", "write-all"}, {"&", "write-all"}}) {
    const std::vector<std::string> arguments = {"--com", kCom, "--address", address, command, file};
    if (!Measure(arguments, ports.path(), runs, counted, lineTime, elapsed)) return 1;
    std::printf("%-10s %s %7ld %8ld %11.3f s %11.3f s %11.4f %16.4f\n", command, address, counted.frames,
                counted.characters, lineTime, elapsed, lineTime / elapsed, lineTime / (elapsed - overhead));
  }
  std::printf("Ziel: Auslastung >= 0.98\n");
  return 0;
}
