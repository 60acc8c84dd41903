// Port numbers that name network ports: a file COMn in the ports folder that
// holds the address, or an address attached in this process.

#include <fstream>
#include <map>
#include <mutex>

#include "device/net_address.h"
#include "device/port_map.h"
#include "device/serial_port.h"

namespace rs232 {
namespace fs = std::filesystem;

namespace {

std::mutex attachedMutex;
std::map<int, std::string> attached;

// An address is one short line; a longer file is something else.
constexpr std::streamsize kAddressMax = 512;

std::string Trimmed(const std::string& text) {
  const char* space = " \t\r\n";
  const std::size_t first = text.find_first_not_of(space);
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(space) - first + 1);
}

}  // namespace

std::string NetworkAddressForPort(int port) {
  if (!ValidPortNumber(port)) return {};
  {
    std::lock_guard<std::mutex> lock(attachedMutex);
    if (const auto it = attached.find(port); it != attached.end()) return it->second;
  }
  const fs::path folder = PortsFolder();
  if (folder.empty()) return {};
  const fs::path file = folder / PortName(port);
  std::error_code ec;
  // Only a regular file is read: a link to a serial device stays a device.
  if (!fs::is_regular_file(file, ec)) return {};
  std::ifstream in(file, std::ios::binary);
  std::string text(static_cast<std::size_t>(kAddressMax), '\0');
  in.read(text.data(), kAddressMax);
  text.resize(static_cast<std::size_t>(in.gcount()));
  text = Trimmed(text);
  return IsNetworkAddress(text) ? text : std::string();
}

void AttachNetworkAddress(int port, const std::string& address) {
  std::lock_guard<std::mutex> lock(attachedMutex);
  if (address.empty()) attached.erase(port);
  else attached[port] = address;
}

void AppendNetworkPorts(std::vector<SerialCommValue>& values) {
  std::vector<int> ports;
  for (int port = kMinPort; port <= kMaxPort; ++port) {
    if (!NetworkAddressForPort(port).empty()) ports.push_back(port);
  }
  AppendPorts(values, ports);
}

}  // namespace rs232
