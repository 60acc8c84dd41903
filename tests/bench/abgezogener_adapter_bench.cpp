// Pulled-adapter benchmark: reading all programs through the device services
// from a simulated VELT-1 on a pseudo-terminal whose far end closes while the
// host waits for the answer to frame 141 (program 8's phase tolerance).
// Reports the time from the hang-up to the end of the transfer, which the
// driver must notice at once instead of waiting out its 1.5 s time-out.
//
// Usage: velt1_bench_abgezogen [RUNS]   (default 50)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "device/qorvelt1.h"
#include "device/velt1com.h"
#include "programs/core/geraetedienste.h"
#include "programs/core/programmtransfer.h"
#include "tests/kit/pty_device.h"

namespace {

constexpr int kPort = 42;
constexpr int kAuflegenBeiRahmen = 141;
constexpr int kErwarteterCode = -403208;  // no answer to the parameter read

// One transfer with a hang-up; the time from it to the transfer's end in
// milliseconds, or a negative number when the transfer did not end as due.
double EinLauf() {
  kit::PtyDevice geraet(kPort, kAuflegenBeiRahmen);
  if (QORVELT1_Open(kPort, 9600) != 0 || QORVELT1_Timeout(kPort, 1.5) != 0) return -1;
  std::array<Programm, PROGRAMM_ANZAHL> tabelle{};
  Geraetedienste dienste;
  const int code = Programmtransfer_Lesen(tabelle, 0, TransferUmfang::Alle, dienste).code;
  const auto ende = kit::PtyDevice::Clock::now();
  QORVELT1_Close(kPort);
  if (code != kErwarteterCode) {
    std::fprintf(stderr, "Fehler #%d statt #%d\n", -code, -kErwarteterCode);
    return -1;
  }
  return std::chrono::duration<double, std::milli>(ende - geraet.hungUp()).count();
}

}  // namespace

int main(int argc, char** argv) {
  const int laeufe = argc > 1 ? std::atoi(argv[1]) : 50;
  if (laeufe < 1) {
    std::fprintf(stderr, "Aufruf: velt1_bench_abgezogen [LAEUFE]\n");
    return 2;
  }
  DaxCom_SitzungSetzen({[] { return kPort; }, [] { return '1'; }});
  std::vector<double> zeiten;
  for (int i = 0; i < laeufe; ++i) {
    const double ms = EinLauf();
    if (ms < 0) return 1;
    zeiten.push_back(ms);
  }
  std::sort(zeiten.begin(), zeiten.end());
  std::printf("hang-up to end of transfer, %d runs: median %.3f ms, max %.3f ms (min %.3f ms)\n", laeufe,
              zeiten[zeiten.size() / 2], zeiten.back(), zeiten.front());
  return 0;
}
