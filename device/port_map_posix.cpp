// Port map on POSIX: COMn links in the ports folder, then the fixed default
// device names.

#include "device/port_map.h"

#include <cstdlib>
#include <map>
#include <system_error>

#include "device/serial_channel.h"
#include "device/serial_port.h"
#include "device/tty_sysfs_posix.h"

namespace rs232 {
namespace fs = std::filesystem;

namespace {

const char* NonEmptyEnv(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? value : nullptr;
}

fs::path LinkPath(int port) {
  const fs::path folder = PortsFolder();
  return folder.empty() ? fs::path() : folder / PortName(port);
}

struct DefaultRange {
  int firstPort;
  const char* prefix;
};
// 32 devices each, COM1-32, COM33-64, COM65-96.
constexpr DefaultRange kDefaultRanges[] = {{1, "/dev/ttyS"}, {33, "/dev/ttyUSB"}, {65, "/dev/ttyACM"}};
constexpr int kDevicesPerRange = 32;

std::string DefaultDevice(int port) {
  for (const DefaultRange& range : kDefaultRanges) {
    if (port >= range.firstPort && port < range.firstPort + kDevicesPerRange)
      return range.prefix + std::to_string(port - range.firstPort);
  }
  return {};
}

// Asks sysfs, never the device: a port held by another program is listed too.
bool DefaultDeviceListed(const std::string& path) {
  const fs::path node(path);
  return SerialTtyPresent(SysfsRoot(), node.parent_path(), node.filename().string());
}

}  // namespace

fs::path PortsFolder() {
  if (const char* folder = NonEmptyEnv("VELT1_PORTS")) return fs::path(folder);
  const char* config = NonEmptyEnv("XDG_CONFIG_HOME");
  if (config != nullptr && fs::path(config).is_absolute()) return fs::path(config) / "velt1" / "ports";
  if (const char* home = NonEmptyEnv("HOME")) return fs::path(home) / ".config" / "velt1" / "ports";
  return {};
}

std::string DevicePathForPort(int port) {
  if (!ValidPortNumber(port)) return {};
  // A link that is there wins, even a broken one: opening it then fails with
  // "not found" instead of silently reaching another device.
  const fs::path link = LinkPath(port);
  std::error_code ec;
  if (!link.empty() && fs::exists(fs::symlink_status(link, ec))) return link.string();
  return DefaultDevice(port);
}

std::string DeviceBehindPort(int port) {
  if (AttachedChannel(port)) return {};
  if (std::string address = NetworkAddressForPort(port); !address.empty()) return address;
  const std::string path = DevicePathForPort(port);
  std::error_code ec;
  if (path.empty() || !fs::is_symlink(path, ec)) return path;
  // Followed to the end; a broken link shows where it points.
  const fs::path resolved = fs::canonical(path, ec);
  if (!ec) return resolved.string();
  fs::path target = fs::read_symlink(path, ec);
  if (ec) return path;
  if (target.is_relative()) target = fs::path(path).parent_path() / target;
  return target.lexically_normal().string();
}

std::vector<SerialCommValue> SerialCommValues() {
  std::map<int, bool> ports;  // ordered and each port once
  const fs::path folder = PortsFolder();
  std::error_code ec;
  if (!folder.empty()) {
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
      const std::optional<int> port = PortOfName(it->path().filename().string(), PortNameRule::Link);
      std::error_code existsError;
      if (port && fs::exists(it->path(), existsError)) ports[*port] = true;  // follows the link
    }
  }
  for (int port = kMinPort; port <= kMaxPort; ++port) {
    if (ports.count(port) != 0) continue;
    const std::string device = DefaultDevice(port);
    if (device.empty()) break;  // the default ranges are contiguous from COM1
    // A link that is there (even broken) hides the default device.
    const fs::path link = LinkPath(port);
    std::error_code linkError;
    if (!link.empty() && fs::exists(fs::symlink_status(link, linkError))) continue;
    if (DefaultDeviceListed(device)) ports[port] = true;
  }

  std::vector<SerialCommValue> values;
  for (const auto& entry : ports) values.push_back({kRegSz, PortName(entry.first)});
  AppendAttachedChannels(values);
  return values;
}

}  // namespace rs232
