// Line benchmark: the driver reads whole parameter sets (fourteen parameter
// reads each) over a pseudo-terminal from velt1-sim, which paces every byte
// as a 9600-baud 7-O-1 line would, and then the same through ser2net in
// front of that line, over RFC 2217 and raw TCP. Reports for each
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
#include <memory>
#include <optional>
#include <string>

#include "device/qorvelt1.h"
#include "device/serial_port.h"
#include "tests/kit/process.h"
#include "tests/kit/ser2net.h"

namespace {

using namespace kit;

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
int gPort = 0;

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
    const int code = QORVELT1_ParameterLesen(gPort, '1', keyword, &value, nullptr, name);
    if (code != 0) return code;
  }
  return 0;
}

// Reads the sets over the port: 0 or the driver's code, and what it cost.
struct Lauf {
  long characters = 0;
  double elapsed = 0.0;
  double cpu = 0.0;
};

int Messen(int port, int sets, Lauf& lauf) {
  gPort = port;
  int code = QORVELT1_Open(port, 9600);
  if (code == 0) code = QORVELT1_Timeout(port, 1.5);
  if (code == 0) code = ReadSet();  // warm-up, not counted
  if (code != 0) return code;
  gCharacters = 0;
  rs232::SetTrace([](int, rs232::Direction, const std::uint8_t*, int count) { gCharacters += count; });
  const double cpuBefore = CpuSeconds();
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < sets && code == 0; ++i) code = ReadSet();
  lauf.elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  lauf.cpu = CpuSeconds() - cpuBefore;
  lauf.characters = gCharacters;
  rs232::SetTrace(nullptr);
  QORVELT1_Close(port);
  return code;
}

void Bericht(const char* weg, int transactions, const Lauf& lauf) {
  const double lineTime = static_cast<double>(lauf.characters) * kCharSeconds;
  std::printf("\n%s\n", weg);
  std::printf("Zeichen auf der Leitung:  %ld (beide Richtungen)\n", lauf.characters);
  std::printf("Leitungszeit:             %.3f s (10 bit je Zeichen bei 9600 Baud)\n", lineTime);
  std::printf("Verstrichene Zeit:        %.3f s\n", lauf.elapsed);
  std::printf("Leitungsauslastung:       %.4f\n", lineTime / lauf.elapsed);
  std::printf("Zeit je Transaktion:      %.3f ms (Leitungszeit %.3f ms)\n",
              lauf.elapsed / transactions * 1e3, lineTime / transactions * 1e3);
  std::printf("Host-CPU je Transaktion:  %.1f µs\n", lauf.cpu / transactions * 1e6);
  std::printf("Host-CPU / verstrichen:   %.3f %%\n", lauf.cpu / lauf.elapsed * 100.0);
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
  const int transactions = sets * static_cast<int>(std::size(kKeywords));
  std::printf("Parametersätze:           %d (%d Transaktionen), FIFO %d\n", sets, transactions, fifo);
  std::printf("Ziele: Auslastung >= 0.97 am Pseudo-Terminal, >= 0.9 über ser2net; Host-CPU < 0.5 %%\n");

  // The simulator's line directly, then through ser2net on this machine in
  // front of the same line (its settings: tests/kit/ser2net.cpp).
  const std::string line = sim.firstLine().substr(0, sim.firstLine().find(' '));
  const struct {
    const char* weg;
    std::optional<kit::Ser2net::Mode> server;
  } wege[] = {
      {"Pseudo-Terminal (COM 30)", std::nullopt},
      {"ser2net, rohes TCP", kit::Ser2net::Mode::Raw},
      {"ser2net, RFC 2217", kit::Ser2net::Mode::Rfc2217},
  };
  for (const auto& weg : wege) {
    std::unique_ptr<kit::Ser2net> server;
    int port = kPort;
    if (weg.server) {
      server = std::make_unique<kit::Ser2net>(line, *weg.server);
      port = kPort + 1;
      kit::NameNetworkPort(port, server->address());
    }
    Lauf lauf;
    const int code = Messen(port, sets, lauf);
    if (code != 0) {
      std::fprintf(stderr, "%s: Fehler #%d\n", weg.weg, -code);
      return 1;
    }
    Bericht(weg.weg, transactions, lauf);
  }
  return 0;
}
