#include "tests/kit/ser2net.h"

#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>

#include "tests/kit/process.h"

extern char** environ;

namespace kit {
namespace fs = std::filesystem;

namespace {

// A port that nothing listens on now; ser2net takes it a moment later.
int FreePort() {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  int port = 0;
  if (::bind(fd, reinterpret_cast<sockaddr*>(&address), size) == 0 &&
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) == 0) {
    port = ntohs(address.sin_port);
  }
  ::close(fd);
  return port;
}

// Whether a socket listens on the port, as the kernel lists them; asking by
// connecting would open the device behind it.
bool Listens(int port) {
  char listening[32];
  std::snprintf(listening, sizeof listening, ":%04X 00000000:0000 0A", port);
  std::ifstream table("/proc/net/tcp");
  for (std::string line; std::getline(table, line);) {
    if (line.find(listening) != std::string::npos) return true;
  }
  return false;
}

}  // namespace

Ser2net::Ser2net(const std::string& device, Mode mode) : mode_(mode), port_(FreePort()) {
  std::string pattern = (fs::temp_directory_path() / "velt1-ser2net-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) return;
  folder_ = pattern;
  const bool rfc2217 = mode == Mode::Rfc2217;
  const std::string config = folder_ + "/ser2net.yaml";
  const std::string pidFile = folder_ + "/ser2net.pid";
  std::ofstream(config) << "connection: &velt1\n  accepter: "
                        << (rfc2217 ? "telnet(rfc2217),tcp(nodelay)" : "tcp(nodelay)") << ",127.0.0.1," << port_
                        << "\n  connector: serialdev," << device << "," << (rfc2217 ? "19200n81" : "9600o71")
                        << ",local\n  options:\n    chardelay: false\n";
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  // -n: in the foreground, -u: no lock files in system folders.
  const char* argv[] = {SER2NET_PATH, "-n", "-u", "-c", config.c_str(), "-P", pidFile.c_str(), nullptr};
  if (posix_spawn(&pid_, SER2NET_PATH, &actions, nullptr, const_cast<char**>(argv), environ) != 0) pid_ = -1;
  posix_spawn_file_actions_destroy(&actions);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (pid_ > 0 && !(listening_ = Listens(port_)) && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

Ser2net::~Ser2net() {
  stop();
  std::error_code ec;
  if (!folder_.empty()) fs::remove_all(folder_, ec);
}

std::string Ser2net::address() const {
  return (mode_ == Mode::Rfc2217 ? "rfc2217://127.0.0.1:" : "tcp://127.0.0.1:") + std::to_string(port_);
}

void Ser2net::stop() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGTERM);
  AwaitOrKill(pid_, 5.0);
  pid_ = -1;
  listening_ = false;
}

void NameNetworkPort(int port, const std::string& address) {
  const fs::path file = fs::path(::getenv("VELT1_PORTS")) / ("COM" + std::to_string(port));
  std::error_code ec;
  fs::remove(file, ec);
  std::ofstream(file) << address << "\n";
}

}  // namespace kit
