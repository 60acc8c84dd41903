#pragma once
// One TCP connection to a serial device server, every wait bounded by a
// deadline in seconds on the steady clock (NetSeconds()). POSIX sockets or
// Winsock; CMake picks net_socket_posix.cpp or net_socket_win32.cpp.
// Failures are the port layer's kinds: a server that cannot be reached is
// kNotFound, a connection that is lost kGone.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

struct addrinfo;

namespace rs232 {

double NetSeconds();

// Looks host and port up within the deadline and hands each address found
// to `connect` until one connects: false when none did, or the look-up took
// too long or found nothing.
bool ConnectToAny(const std::string& host, const std::string& port, double deadline,
                  const std::function<bool(const addrinfo&)>& connect);

class NetSocket {
 public:
  // Connects to host and port (both text) within the deadline; null and
  // `error` set when it cannot.
  static std::unique_ptr<NetSocket> Connect(const std::string& host, const std::string& port,
                                            double deadline, int& error);
  ~NetSocket();
  NetSocket(const NetSocket&) = delete;
  NetSocket& operator=(const NetSocket&) = delete;

  // Sends every byte: kOk, kGone, or kTimeout when there was no room in time.
  int sendAll(const std::uint8_t* data, std::size_t count, double deadline);
  // Waits for bytes until the deadline (a deadline passed asks only what is
  // there): the number received, kTimeout, or kGone when the server closed
  // the connection or it broke.
  int receive(std::uint8_t* buffer, std::size_t capacity, double deadline);

 private:
  explicit NetSocket(std::intptr_t handle) : handle_(handle) {}
  std::intptr_t handle_;
};

}  // namespace rs232
