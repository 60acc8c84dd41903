// Line benchmark: the driver reads whole parameter sets (fourteen parameter
// reads each) over a pseudo-terminal from velt1-sim, which paces every byte
// as a 9600-baud 7-O-1 line would. Reports
//   - line utilisation: the line time of every character exchanged (both
//     directions, 10 bits each) divided by the elapsed time;
//   - host CPU time (user + system of this process) per transaction and as a
//     share of the elapsed time.
//
// Usage: velt1_bench_line [SETS [FIFO]]   (default 50 sets, FIFO 1)
// FIFO is the simulator's --fifo: with 1 every byte reaches the host on its
// own, 1.04 ms after the one before; with 16 a reply arrives as one chunk
// when its last byte would have, as from a UART with a 16-byte receive FIFO.

#include <stdlib.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "device/qorvelt1.h"
#include "device/serial_port.h"
#include "process_support.h"

namespace {

constexpr int kPort = 30;
constexpr double kCharSeconds = 10.0 / 9600.0;

const char* const kKeywords[] = {
    "programmname",        "pruefspannungsquelle",       "pruefspannung",
    "anzahlzaehne",        "sensorkanaele",              "toleranzhigh",
    "toleranzlow",         "toleranzphase",              "schwellwertsteigendeflanke",
    "schwellwertfallendeflanke", "totzeitvorsteigend",   "totzeitnachsteigend",
    "totzeitvorfallend",   "totzeitnachfallend",
};

long gCharacters = 0;

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

int ReadSet() {
  double value = 0;
  char name[64];
  for (const char* keyword : kKeywords) {
    const int code = QORVELT1_ParameterLesen(kPort, '1', keyword, &value, nullptr, name);
    if (code != 0) return code;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const int sets = argc > 1 ? std::atoi(argv[1]) : 50;
  const int fifo = argc > 2 ? std::atoi(argv[2]) : 1;
  if (sets < 1 || fifo < 1) {
    std::fprintf(stderr, "Aufruf: velt1_bench_line [SAETZE [FIFO]]\n");
    return 2;
  }
  TempFolder ports;
  ::setenv("VELT1_PORTS", ports.path().c_str(), 1);
  SimProcess sim({"--com", std::to_string(kPort), "--pace", "--fifo", std::to_string(fifo)},
                 ports.path());
  if (sim.firstLine().empty()) {
    std::fprintf(stderr, "velt1-sim did not start\n");
    return 1;
  }
  int code = QORVELT1_Open(kPort, 9600);
  if (code == 0) code = QORVELT1_Timeout(kPort, 1.5);
  if (code == 0) code = ReadSet();  // warm-up, not counted
  if (code != 0) {
    std::fprintf(stderr, "Fehler #%d\n", -code);
    return 1;
  }
  rs232::SetTrace([](int, rs232::Direction, const std::uint8_t*, int count) { gCharacters += count; });

  const double cpuBefore = CpuSeconds();
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < sets && code == 0; ++i) code = ReadSet();
  const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const double cpu = CpuSeconds() - cpuBefore;
  rs232::SetTrace(nullptr);
  QORVELT1_Close(kPort);
  if (code != 0) {
    std::fprintf(stderr, "Fehler #%d\n", -code);
    return 1;
  }

  const int transactions = sets * static_cast<int>(std::size(kKeywords));
  const double lineTime = static_cast<double>(gCharacters) * kCharSeconds;
  std::printf("Parametersätze:           %d (%d Transaktionen), FIFO %d\n", sets, transactions, fifo);
  std::printf("Zeichen auf der Leitung:  %ld (beide Richtungen)\n", gCharacters);
  std::printf("Leitungszeit:             %.3f s (10 bit je Zeichen bei 9600 Baud)\n", lineTime);
  std::printf("Verstrichene Zeit:        %.3f s\n", elapsed);
  std::printf("Leitungsauslastung:       %.4f (Ziel >= 0.97)\n", lineTime / elapsed);
  std::printf("Zeit je Transaktion:      %.3f ms (Leitungszeit %.3f ms)\n",
              elapsed / transactions * 1e3, lineTime / transactions * 1e3);
  std::printf("Host-CPU je Transaktion:  %.1f µs\n", cpu / transactions * 1e6);
  std::printf("Host-CPU / verstrichen:   %.3f %% (Ziel < 0.5 %%)\n", cpu / elapsed * 100.0);
  return 0;
}
