#pragma once
// velt1ctl --device PATH: the driver opens ports by number only, so the path
// gets a private ports folder of its own with one link COM1 in it; a network
// address (rfc2217://HOST:PORT, tcp://HOST:PORT) is attached to COM1 of this
// process instead.

#include <string>

class PrivatePort {
 public:
  PrivatePort() = default;
  PrivatePort(const PrivatePort&) = delete;
  PrivatePort& operator=(const PrivatePort&) = delete;
  ~PrivatePort();
  // Creates the folder and the link and points VELT1_PORTS at it; the port number or 0.
  int create(const std::string& devicePath, std::string& error);

 private:
  std::string folder_;
};
