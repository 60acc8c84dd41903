#pragma once
// ser2net, the serial device server, in front of a pseudo-terminal's slave,
// with a configuration of its own on a free port of 127.0.0.1: RFC 2217 or
// raw TCP, bytes passed on at once (chardelay off, nodelay). The RFC 2217
// line starts at 19200 baud 8-N-1, so only the client makes it 9600 7-O-1.

#include <sys/types.h>

#include <string>

namespace kit {

class Ser2net {
 public:
  enum class Mode { Rfc2217, Raw };
  // Starts it and waits (at most 5 s) until its port listens.
  Ser2net(const std::string& device, Mode mode);
  ~Ser2net();
  bool listening() const { return listening_; }
  std::string address() const;  // "rfc2217://127.0.0.1:PORT" or "tcp://127.0.0.1:PORT"
  void stop();  // SIGTERM, and wait until it has gone: its connections are closed

 private:
  std::string folder_;  // configuration and pid file
  Mode mode_;
  int port_ = 0;
  pid_t pid_ = -1;
  bool listening_ = false;
};

// Makes COM<port> of the ports folder ($VELT1_PORTS) a file naming `address`.
void NameNetworkPort(int port, const std::string& address);

}  // namespace kit
