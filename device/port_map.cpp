// The parts of the port map that are the same on every system.

#include <algorithm>
#include <cctype>
#include <mutex>

#include "device/port_map.h"
#include "device/serial_channel.h"
#include "device/serial_port.h"

namespace rs232 {

std::string PortName(int port) { return "COM" + std::to_string(port); }

std::string PortLabel(int port) { return "COM " + std::to_string(port); }

std::optional<int> PortOfName(std::string_view name, PortNameRule rule) {
  const bool windows = rule == PortNameRule::WindowsDevice;
  const bool listValue = rule == PortNameRule::ListValue || rule == PortNameRule::ListValueStart;
  const bool start = rule == PortNameRule::ListValueStart;
  constexpr std::string_view kDevicePrefix = "\\\\.\\";
  if (windows && name.substr(0, kDevicePrefix.size()) == kDevicePrefix)
    name.remove_prefix(kDevicePrefix.size());
  const auto sameLetter = [windows](char a, char b) {
    return windows ? std::toupper(static_cast<unsigned char>(a)) == b : a == b;
  };
  if (name.size() >= 3 && std::equal(name.begin(), name.begin() + 3, "COM", sameLetter)) {
    name.remove_prefix(3);
  } else if (!start) {
    return std::nullopt;
  }

  std::size_t i = 0;
  const auto blanks = [&] {
    while (listValue && i < name.size() && std::isspace(static_cast<unsigned char>(name[i]))) ++i;
  };
  blanks();
  bool negative = false;
  if (listValue && i < name.size() && (name[i] == '+' || name[i] == '-')) negative = name[i++] == '-';
  const std::size_t firstDigit = i;
  long long number = 0;
  while (i < name.size() && std::isdigit(static_cast<unsigned char>(name[i]))) {
    if (number <= kMaxPort) number = number * 10 + (name[i] - '0');  // stays out of range once out
    ++i;
  }
  if (i == firstDigit || (!listValue && name[firstDigit] == '0')) return std::nullopt;
  blanks();
  if (!start && i != name.size()) return std::nullopt;
  if (negative) number = -number;
  if (number < 0 || number > kMaxPort) return std::nullopt;
  return static_cast<int>(number);
}

void AppendAttachedChannels(std::vector<SerialCommValue>& values) {
  AppendPorts(values, AttachedChannelPorts());
}

void AppendPorts(std::vector<SerialCommValue>& values, const std::vector<int>& ports) {
  for (int port : ports) {
    SerialCommValue value{kRegSz, PortName(port)};
    const bool listed = std::any_of(values.begin(), values.end(), [&](const SerialCommValue& v) {
      return v.type == value.type && v.data == value.data;
    });
    if (!listed) values.push_back(std::move(value));
  }
}

namespace {
// The list as it stood when it was last counted, so that reading it value by
// value neither probes every device again nor shifts under the reader.
std::mutex snapshotMutex;
std::vector<SerialCommValue> snapshot;
bool snapshotTaken = false;
}  // namespace

int SerialCommValueCount() {
  std::vector<SerialCommValue> values = SerialCommValues();
  std::lock_guard<std::mutex> lock(snapshotMutex);
  snapshot = std::move(values);
  snapshotTaken = true;
  return static_cast<int>(snapshot.size());
}

bool SerialCommValueAt(int index, SerialCommValue& value) {
  std::lock_guard<std::mutex> lock(snapshotMutex);
  if (!snapshotTaken) {
    snapshot = SerialCommValues();
    snapshotTaken = true;
  }
  if (index < 0 || index >= static_cast<int>(snapshot.size())) return false;
  value = snapshot[static_cast<std::size_t>(index)];
  return true;
}

}  // namespace rs232
