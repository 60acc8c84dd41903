// The parts of the port map that are the same on every system.

#include <algorithm>
#include <mutex>

#include "device/port_map.h"
#include "device/serial_channel.h"

namespace rs232 {

void AppendAttachedChannels(std::vector<SerialCommValue>& values) {
  AppendPorts(values, AttachedChannelPorts());
}

void AppendPorts(std::vector<SerialCommValue>& values, const std::vector<int>& ports) {
  for (int port : ports) {
    SerialCommValue value{kRegSz, "COM" + std::to_string(port)};
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
