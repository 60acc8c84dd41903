#include "tests/programs/pty_geraet_support.h"

#include <poll.h>
#include <unistd.h>

#include <string>

namespace programs_test {

PtyGeraet::PtyGeraet(int port, int auflegenBeiRahmen, std::optional<velt1test::Ser2net::Mode> server)
    : pty_(port), auflegenBeiRahmen_(auflegenBeiRahmen) {
  if (server) {
    server_ = std::make_unique<velt1test::Ser2net>(pty_.slavePath(), *server);
    velt1test::NameNetworkPort(port, server_->address());
  }
  bus_.addVelt1('1');
  dienst_ = std::thread([this] { Bedienen(); });
}

PtyGeraet::~PtyGeraet() {
  ende_ = true;
  dienst_.join();
}

void PtyGeraet::Bedienen() {
  int rahmen = 0;
  while (!ende_ && pty_.master() >= 0) {
    pollfd p{pty_.master(), POLLIN, 0};
    if (::poll(&p, 1, 10) <= 0 || (p.revents & POLLIN) == 0) continue;
    char bytes[256];
    const ssize_t n = ::read(pty_.master(), bytes, sizeof bytes);
    if (n <= 0) continue;
    std::string antwort;
    for (ssize_t i = 0; i < n; ++i) {
      if (bytes[i] == '\r' && rahmen++ == auflegenBeiRahmen_) {
        std::this_thread::sleep_for(kBedenkzeit);
        aufgelegt_ = Uhr::now();
        if (server_) server_->stop();
        else pty_.closeMaster();
        return;
      }
      for (const sim::Emission& e : bus_.receive(reinterpret_cast<const std::uint8_t*>(&bytes[i]), 1)) antwort += e.bytes;
    }
    if (!antwort.empty()) pty_.writeMaster(antwort);
  }
}

}  // namespace programs_test
