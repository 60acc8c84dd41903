#include "device/serial_low_latency.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#if defined(__linux__)
#include <linux/serial.h>
#endif

#include "device/tty_sysfs_posix.h"

namespace rs232 {
namespace {

// ASYNC_LOW_LATENCY asks the tty layer to hand received bytes on at once
// instead of from a deferred work queue; drivers that do not know it refuse
// the request, which is harmless.
void SetLowLatencyFlag([[maybe_unused]] int fd) {
#if defined(__linux__)
  serial_struct serial{};
  if (::ioctl(fd, TIOCGSERIAL, &serial) != 0) return;
  if (serial.flags & ASYNC_LOW_LATENCY) return;
  serial.flags |= ASYNC_LOW_LATENCY;
  ::ioctl(fd, TIOCSSERIAL, &serial);
#endif
}

}  // namespace

std::string LatencyTimerPath(int fd, const std::string& sysfsRoot) {
  const std::filesystem::path device = CharDeviceEntry(sysfsRoot, fd);
  if (device.empty()) return {};
  const std::string path = (device / "device" / "latency_timer").string();
  return ::access(path.c_str(), F_OK) == 0 ? path : std::string();
}

void RequestLowLatency(int fd, const std::string& sysfsRoot) {
  SetLowLatencyFlag(fd);
  const std::string timer = LatencyTimerPath(fd, sysfsRoot);
  if (timer.empty() || ::access(timer.c_str(), W_OK) != 0) return;
  std::ofstream(timer) << "1\n";  // milliseconds; a refused write changes nothing
}

}  // namespace rs232
