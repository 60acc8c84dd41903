#include "ctl_device_path_posix.h"

#include <stdlib.h>

#include <filesystem>
#include <system_error>

#include "device/net_address.h"
#include "device/port_map.h"

namespace fs = std::filesystem;

int PrivatePort::create(const std::string& devicePath, std::string& error) {
  if (rs232::IsNetworkAddress(devicePath)) {
    rs232::AttachNetworkAddress(++ports_, devicePath);
    return ports_;
  }
  std::error_code ec;
  const fs::path device = fs::absolute(devicePath, ec);
  if (folder_.empty()) {
    std::string pattern = (fs::temp_directory_path(ec) / "velt1ctl-XXXXXX").string();
    if (ec || ::mkdtemp(pattern.data()) == nullptr) {
      error = "kein temporärer Ordner für " + devicePath;
      return 0;
    }
    folder_ = pattern;
    ::setenv("VELT1_PORTS", folder_.c_str(), 1);
  }
  const int port = ++ports_;
  fs::create_symlink(device, fs::path(folder_) / rs232::PortName(port), ec);
  if (ec) {
    error = devicePath + ": " + ec.message();
    return 0;
  }
  return port;
}

PrivatePort::~PrivatePort() {
  if (folder_.empty()) return;
  std::error_code ec;
  fs::remove_all(folder_, ec);
}
