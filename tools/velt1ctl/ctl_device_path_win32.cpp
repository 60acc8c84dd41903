// velt1ctl --device NAME on Windows: every serial device already has a COM
// name, so NAME is that name ("COM3" or "\\.\COM3") and no folder is needed;
// a network address is attached to a port number of this process.

#include "ctl_device_path_posix.h"
#include "device/net_address.h"
#include "device/port_map.h"

int PrivatePort::create(const std::string& devicePath, std::string& error) {
  if (rs232::IsNetworkAddress(devicePath)) {
    // Numbers of this process only, from 1 on: no COM1 is opened.
    rs232::AttachNetworkAddress(++ports_, devicePath);
    return ports_;
  }
  const std::optional<int> port = rs232::PortOfName(devicePath, rs232::PortNameRule::WindowsDevice);
  if (!port) {
    error = devicePath + ": COM1 bis COM256 erwartet";
    return 0;
  }
  return *port;
}

PrivatePort::~PrivatePort() = default;
