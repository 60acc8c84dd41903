#pragma once
// velt1ctl --device PATH: the driver opens ports by number only, so the paths
// get a private ports folder with links COM1, COM2, ... in the order given; a
// network address (rfc2217://HOST:PORT, tcp://HOST:PORT) is attached to the
// next number of this process instead.

#include <string>

class PrivatePort {
 public:
  PrivatePort() = default;
  PrivatePort(const PrivatePort&) = delete;
  PrivatePort& operator=(const PrivatePort&) = delete;
  ~PrivatePort();
  // Adds the link or attaches the address (the first link creates the folder
  // and points VELT1_PORTS at it); the port number or 0.
  int create(const std::string& devicePath, std::string& error);

 private:
  std::string folder_;
  int ports_ = 0;
};
