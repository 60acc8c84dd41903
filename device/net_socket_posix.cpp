// The network connection on POSIX: a non-blocking TCP socket, every wait a
// poll() against the deadline.

#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

#include "device/net_socket.h"
#include "device/serial_port.h"

namespace rs232 {
namespace {

// kOk when the socket is ready for `events`, else kTimeout or an error kind.
int WaitFor(int fd, short events, double deadline) {
  for (;;) {
    pollfd p{fd, events, 0};
    const int r = ::poll(&p, 1, PollMilliseconds(deadline - NetSeconds()));
    if (r > 0) return kOk;  // a hang-up or error shows in the call that follows
    if (r == 0) return kTimeout;
    if (errno != EINTR) return kIo;
  }
}

bool ConnectWithin(int fd, const addrinfo& address, double deadline) {
  if (::connect(fd, address.ai_addr, address.ai_addrlen) == 0) return true;
  if (errno != EINPROGRESS) return false;
  if (WaitFor(fd, POLLOUT, deadline) != kOk) return false;
  int error = 0;
  socklen_t size = sizeof error;
  return ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
}

// A server that sends its answer to a purge and the device's reply in two
// small segments holds the second back until the first is acknowledged
// (Nagle); a delayed acknowledgement would cost 40 ms on every command.
void AcknowledgeAtOnce(int fd) {
#if defined(TCP_QUICKACK)
  const int on = 1;
  ::setsockopt(fd, IPPROTO_TCP, TCP_QUICKACK, &on, sizeof on);
#else
  (void)fd;
#endif
}

}  // namespace

std::unique_ptr<NetSocket> NetSocket::Connect(const std::string& host, const std::string& port,
                                              double deadline, int& error) {
  int fd = -1;
  const bool connected = ConnectToAny(host, port, deadline, [&fd, deadline](const addrinfo& a) {
    fd = ::socket(a.ai_family, a.ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a.ai_protocol);
    if (fd < 0) return false;
    if (ConnectWithin(fd, a, deadline)) return true;
    ::close(fd);
    return false;
  });
  // No name, no answer, refused: nothing to reach there.
  error = connected ? kOk : kNotFound;
  if (!connected) return nullptr;
  // Frames are small and every one is awaited: send each at once.
  const int on = 1;
  ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
  return std::unique_ptr<NetSocket>(new NetSocket(fd));
}

NetSocket::~NetSocket() { ::close(static_cast<int>(handle_)); }

int NetSocket::sendAll(const std::uint8_t* data, std::size_t count, double deadline) {
  const int fd = static_cast<int>(handle_);
  std::size_t done = 0;
  while (done < count) {
    const ssize_t n = ::send(fd, data + done, count - done, MSG_NOSIGNAL);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
    } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
      const int ready = WaitFor(fd, POLLOUT, deadline);
      if (ready != kOk) return ready;
    } else if (errno != EINTR) {
      return kGone;
    }
  }
  return kOk;
}

int NetSocket::receive(std::uint8_t* buffer, std::size_t capacity, double deadline) {
  const int fd = static_cast<int>(handle_);
  for (;;) {
    const ssize_t n = ::recv(fd, buffer, capacity, 0);
    if (n > 0) {
      AcknowledgeAtOnce(fd);
      return static_cast<int>(n);
    }
    if (n == 0) return kGone;  // the server closed the connection
    if (errno == EINTR) continue;
    if (errno != EAGAIN && errno != EWOULDBLOCK) return kGone;
    const int ready = WaitFor(fd, POLLIN, deadline);
    if (ready != kOk) return ready;
  }
}

}  // namespace rs232
