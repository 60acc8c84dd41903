#pragma once
// What the kernel tells about serial devices through sysfs, read without
// opening them: opening a serial port raises DTR and RTS, which can reset or
// disturb what hangs on the line, and would take the port from its owner.

#include <filesystem>
#include <string>

namespace rs232 {

// The root of sysfs: $VELT1_SYSFS when set (a copy of the tree for tests),
// else /sys.
std::filesystem::path SysfsRoot();

// Whether the terminal `name` ("ttyS0", "ttyUSB0") is a serial port that is
// there: its node exists in `devFolder`, sysfs names a device behind it, and
// a UART of the serial core (the 8250 family among them) has a `type` other
// than 0, which marks a slot without a UART.
bool SerialTtyPresent(const std::filesystem::path& sysfs, const std::filesystem::path& devFolder,
                      const std::string& name);

// The sysfs entry of the open character device `fd`
// (<sysfs>/dev/char/MAJOR:MINOR); empty when sysfs has none, as for a
// pseudo-terminal.
std::filesystem::path CharDeviceEntry(const std::filesystem::path& sysfs, int fd);

}  // namespace rs232
