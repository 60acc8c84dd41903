// The network connection on Windows: a non-blocking Winsock socket, every
// wait a select() against the deadline.

#include <winsock2.h>
#include <ws2tcpip.h>
#include <mstcpip.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <mutex>

#include "device/net_socket.h"
#include "device/serial_port.h"

namespace rs232 {
namespace {

// Winsock is started once, on the first connection, and stays up.
bool WinsockStarted() {
  static std::once_flag once;
  static bool started = false;
  std::call_once(once, [] {
    WSADATA data{};
    started = ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
  });
  return started;
}

// The time left as select() takes it, rounded up to whole milliseconds.
timeval Remaining(double deadline) {
  const double left = deadline - NetSeconds();
  const double ms = left <= 0.0 ? 0.0 : std::min(std::ceil(left * 1000.0), static_cast<double>(INT_MAX));
  const long whole = static_cast<long>(ms);
  return timeval{whole / 1000, (whole % 1000) * 1000};
}

// kOk when the socket is ready (to read, or to write: `write`), else kTimeout
// or kIo. A failed connect shows in the exception set.
int WaitFor(SOCKET s, bool write, double deadline) {
  fd_set ready;
  fd_set failed;
  FD_ZERO(&ready);
  FD_ZERO(&failed);
  FD_SET(s, &ready);
  FD_SET(s, &failed);
  timeval left = Remaining(deadline);
  const int r = ::select(0, write ? nullptr : &ready, write ? &ready : nullptr, &failed, &left);
  if (r > 0) return kOk;  // a broken connection shows in the call that follows
  return r == 0 ? kTimeout : kIo;
}

bool ConnectWithin(SOCKET s, const addrinfo& address, double deadline) {
  if (::connect(s, address.ai_addr, static_cast<int>(address.ai_addrlen)) == 0) return true;
  if (::WSAGetLastError() != WSAEWOULDBLOCK) return false;
  if (WaitFor(s, true, deadline) != kOk) return false;
  int error = 0;
  int size = sizeof error;
  return ::getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &size) == 0 && error == 0;
}

// Windows holds acknowledgements back up to 200 ms; a server that sends its
// answer to a purge and the device's reply in two small segments would hold
// the second back that long (Nagle). Acknowledge every segment at once where
// the system offers it.
void AcknowledgeAtOnce(SOCKET s) {
  DWORD frequency = 1;
  DWORD returned = 0;
  ::WSAIoctl(s, SIO_TCP_SET_ACK_FREQUENCY, &frequency, sizeof frequency, nullptr, 0, &returned, nullptr,
             nullptr);
}

}  // namespace

std::unique_ptr<NetSocket> NetSocket::Connect(const std::string& host, const std::string& port,
                                              double deadline, int& error) {
  if (!WinsockStarted()) {
    error = kIo;
    return nullptr;
  }
  SOCKET s = INVALID_SOCKET;
  const bool connected = ConnectToAny(host, port, deadline, [&s, deadline](const addrinfo& a) {
    s = ::socket(a.ai_family, a.ai_socktype, a.ai_protocol);
    if (s == INVALID_SOCKET) return false;
    u_long nonBlocking = 1;
    if (::ioctlsocket(s, FIONBIO, &nonBlocking) == 0 && ConnectWithin(s, a, deadline)) return true;
    ::closesocket(s);
    return false;
  });
  // No name, no answer, refused: nothing to reach there.
  error = connected ? kOk : kNotFound;
  if (!connected) return nullptr;
  // Frames are small and every one is awaited: send each at once.
  const BOOL on = TRUE;
  ::setsockopt(s, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&on), sizeof on);
  AcknowledgeAtOnce(s);
  return std::unique_ptr<NetSocket>(new NetSocket(static_cast<std::intptr_t>(s)));
}

NetSocket::~NetSocket() { ::closesocket(static_cast<SOCKET>(handle_)); }

int NetSocket::sendAll(const std::uint8_t* data, std::size_t count, double deadline) {
  const auto s = static_cast<SOCKET>(handle_);
  std::size_t done = 0;
  while (done < count) {
    const int chunk = static_cast<int>(std::min<std::size_t>(count - done, INT_MAX));
    const int n = ::send(s, reinterpret_cast<const char*>(data + done), chunk, 0);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
    } else if (::WSAGetLastError() == WSAEWOULDBLOCK) {
      const int ready = WaitFor(s, true, deadline);
      if (ready != kOk) return ready;
    } else {
      return kGone;
    }
  }
  return kOk;
}

int NetSocket::receive(std::uint8_t* buffer, std::size_t capacity, double deadline) {
  const auto s = static_cast<SOCKET>(handle_);
  const int size = static_cast<int>(std::min<std::size_t>(capacity, INT_MAX));
  for (;;) {
    const int n = ::recv(s, reinterpret_cast<char*>(buffer), size, 0);
    if (n > 0) return n;
    if (n == 0) return kGone;  // the server closed the connection
    if (::WSAGetLastError() != WSAEWOULDBLOCK) return kGone;
    const int ready = WaitFor(s, false, deadline);
    if (ready != kOk) return ready;
  }
}

}  // namespace rs232
