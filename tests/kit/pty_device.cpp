#include "tests/kit/pty_device.h"

#include <poll.h>
#include <unistd.h>

#include <string>

namespace kit {

PtyDevice::PtyDevice(int port, int hangUpAtFrame, std::optional<Ser2net::Mode> server)
    : pty_(port), hangUpAtFrame_(hangUpAtFrame) {
  if (server) {
    server_ = std::make_unique<Ser2net>(pty_.slavePath(), *server);
    NameNetworkPort(port, server_->address());
  }
  bus_.addVelt1('1');
  thread_ = std::thread([this] { serve(); });
}

PtyDevice::~PtyDevice() {
  stop_ = true;
  thread_.join();
}

void PtyDevice::serve() {
  int frame = 0;
  while (!stop_ && pty_.master() >= 0) {
    pollfd p{pty_.master(), POLLIN, 0};
    if (::poll(&p, 1, 10) <= 0 || (p.revents & POLLIN) == 0) continue;
    char bytes[256];
    const ssize_t n = ::read(pty_.master(), bytes, sizeof bytes);
    if (n <= 0) continue;
    std::string answer;
    for (ssize_t i = 0; i < n; ++i) {
      if (bytes[i] == '\r' && frame++ == hangUpAtFrame_) {
        std::this_thread::sleep_for(kPause);
        hungUp_ = Clock::now();
        if (server_) server_->stop();
        else pty_.closeMaster();
        return;
      }
      for (const sim::Emission& e : bus_.receive(reinterpret_cast<const std::uint8_t*>(&bytes[i]), 1)) answer += e.bytes;
    }
    if (!answer.empty()) pty_.writeMaster(answer);
  }
}

}  // namespace kit
