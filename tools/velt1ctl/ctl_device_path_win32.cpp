// velt1ctl --device NAME on Windows: every serial device already has a COM
// name, so NAME is that name ("COM3" or "\\.\COM3") and no folder is needed;
// a network address is attached to a port number of this process.

#include <cctype>

#include "ctl_device_path_posix.h"
#include "device/net_address.h"
#include "device/port_map.h"

int PrivatePort::create(const std::string& devicePath, std::string& error) {
  if (rs232::IsNetworkAddress(devicePath)) {
    // Numbers of this process only, from 1 on: no COM1 is opened.
    rs232::AttachNetworkAddress(++ports_, devicePath);
    return ports_;
  }
  std::string name = devicePath;
  if (name.rfind("\\\\.\\", 0) == 0) name.erase(0, 4);
  int port = 0;
  bool valid = name.size() > 3 && name.size() <= 6;
  for (std::size_t i = 0; valid && i < name.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(name[i]);
    if (i < 3) {
      valid = std::toupper(c) == "COM"[i];
    } else {
      valid = std::isdigit(c) && !(i == 3 && c == '0');
      port = port * 10 + (c - '0');
    }
  }
  if (!valid || port > 256) {
    error = devicePath + ": COM1 bis COM256 erwartet";
    return 0;
  }
  return port;
}

PrivatePort::~PrivatePort() = default;
