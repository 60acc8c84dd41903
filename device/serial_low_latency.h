#pragma once
// Fast turnaround on USB serial adapters. Such adapters hold received bytes
// back for a latency time (16 ms on the common FTDI chips) before the host
// sees them, which at 9600 baud doubles the time of every transaction. When a
// port opens, the termios backend asks the kernel for low-latency operation
// and, where the adapter offers a writable latency timer in sysfs, sets it to
// 1 ms. Where either is refused (pseudo-terminals, built-in UARTs) nothing
// changes and the port opens as usual. Only the port being opened is touched.

#include <string>

namespace rs232 {

// Both requests for the open device `fd`. `sysfsRoot` is "/sys" but for tests.
void RequestLowLatency(int fd, const std::string& sysfsRoot = "/sys");

// The adapter's latency timer file for the device `fd`
// (<sysfsRoot>/dev/char/MAJOR:MINOR/device/latency_timer); empty when the
// device has none.
std::string LatencyTimerPath(int fd, const std::string& sysfsRoot);

}  // namespace rs232
