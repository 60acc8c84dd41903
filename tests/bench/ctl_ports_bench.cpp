// velt1ctl on several ports at once: write-all to 1, 4 and 16 simulated
// devices, each on a pseudo-terminal of its own behind velt1-sim --pace (a
// 9600-baud line). Every line is independent, so the host only waits on the
// lines: N ports should take hardly longer than one. Reports each elapsed
// time (mean of RUNS) and its ratio to the time for one port.
//
// Usage: velt1_bench_ctl_ports [RUNS]   (default 1 run)

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "process_support.h"

namespace {

constexpr int kFirstCom = 40;
constexpr int kMostPorts = 16;

// Mean elapsed seconds of `velt1ctl --com <first>-<last> write-all FILE`; negative on failure.
double WriteAll(int ports, int runs, const std::string& folder, const std::string& file) {
  const std::string coms = std::to_string(kFirstCom) + "-" + std::to_string(kFirstCom + ports - 1);
  double elapsed = 0;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    const ToolRun run = RunTool(VELT1CTL_PATH, {"--com", coms, "write-all", file}, folder);
    elapsed += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (run.exitCode != 0) {
      std::fprintf(stderr, "velt1ctl --com %s write-all: %s%s", coms.c_str(), run.out.c_str(), run.err.c_str());
      return -1;
    }
  }
  return elapsed / runs;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 1;
  if (runs < 1) {
    std::fprintf(stderr, "Aufruf: velt1_bench_ctl_ports [LAEUFE]\n");
    return 2;
  }
  TempFolder folder;
  std::vector<std::unique_ptr<SimProcess>> sims;
  for (int i = 0; i < kMostPorts; ++i) {
    sims.push_back(std::make_unique<SimProcess>(
        std::vector<std::string>{"--com", std::to_string(kFirstCom + i), "--pace"}, folder.path()));
    if (sims.back()->firstLine().empty()) {
      std::fprintf(stderr, "velt1-sim did not start\n");
      return 1;
    }
  }
  const std::string file = folder.path() + "/satz.vlt";
  if (RunTool(VELT1CTL_PATH, {"--com", std::to_string(kFirstCom), "read-all", file}, folder.path()).exitCode != 0) {
    std::fprintf(stderr, "read-all failed\n");
    return 1;
  }
  std::printf("write-all, %d Lauf/Läufe je Anzahl\n%-8s %12s %14s\n", runs, "Ports", "verstrichen", "zu einem Port");
  double one = 0;
  for (const int ports : {1, 4, kMostPorts}) {
    const double elapsed = WriteAll(ports, runs, folder.path(), file);
    if (elapsed < 0) return 1;
    if (ports == 1) one = elapsed;
    std::printf("%-8d %10.3f s %14.3f\n", ports, elapsed, elapsed / one);
  }
  std::printf("Ziel: höchstens 1.1 für %d Ports\n", kMostPorts);
  return 0;
}
