#pragma once
// Port map: "COM n" is the program's only name for a serial port.
//
// Windows: n is the system's COMn, and the list of ports is the registry key
// HKEY_LOCAL_MACHINE\HARDWARE\DEVICEMAP\SERIALCOMM.
// POSIX: n becomes a device path. A folder of links named COMn comes first
// (PortsFolder()); then the fixed default: COM1-32 are /dev/ttyS0-31,
// COM33-64 /dev/ttyUSB0-31, COM65-96 /dev/ttyACM0-31. The list is built from
// the same map, in the registry's form, so that it is read the same way on
// every system: the links that lead to something, and the default devices
// that sysfs knows as serial ports. No port is opened to list it, so a port
// that another program holds is listed too.
// Both systems also list the port numbers that have an in-process channel.
// On both, a file COMn in the ports folder that holds an address such as
// rfc2217://bench7:2217 (net_address.h) makes COM n a network port.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rs232 {

// "COM5" for port 5: the name of a link or file in the ports folder and of a
// value in the port list.
std::string PortName(int port);
// "COM 5": how the operator sees port 5 in lists and messages.
std::string PortLabel(int port);

// How a text is read as "COMn"; the number lies in 0..256 whatever the rule.
enum class PortNameRule {
  // A link or file in the ports folder: "COM5" to the letter ("COM05" is no port).
  Link,
  // A Windows device name, as velt1ctl --device takes it: also "com5" and "\\.\COM5".
  WindowsDevice,
  // A value of the port list as the port ring reads it (the registry's values
  // need not be tidy): blanks and a sign around the number, leading zeros,
  // "COM 5", "COM\t+5 ", "COM05", "COM0".
  ListValue,
  // The same as velt1ctl ports reads it to name the device: only the number
  // the value begins with counts, after "COM" where it has it ("COM5x", "5").
  ListValueStart,
};

// The port number the rule reads in `name`, or nothing.
std::optional<int> PortOfName(std::string_view name, PortNameRule rule);

// The registry's type code of a plain string value.
constexpr unsigned long kRegSz = 1;

// One value of the port list: its registry type and its string data ("COM3").
struct SerialCommValue {
  unsigned long type = 0;
  std::string data;
};

// The folder of COMn links: $VELT1_PORTS when set, else velt1/ports in the
// user's configuration folder ($XDG_CONFIG_HOME or ~/.config; %APPDATA% on
// Windows). Empty when there is none. The folder need not exist.
std::filesystem::path PortsFolder();

// The device to open for the port number ("\\.\COM3" on Windows,
// "/dev/ttyUSB0" or a link in PortsFolder() on POSIX); empty when the port
// number maps to nothing. The device need not exist.
std::string DevicePathForPort(int port);

// The device an operator knows the port by: on POSIX the device path, a link
// followed to its target ("/dev/ttyUSB0", "/dev/pts/3"); for a network port
// its address. Empty for a serial port on Windows, where COMn is the
// system's own name, and for an in-process channel.
std::string DeviceBehindPort(int port);

// The whole port list, each port once.
std::vector<SerialCommValue> SerialCommValues();
// The same list read as the registry is: the number of values, then each
// value by its index (0..count-1). Counting takes a fresh look at the system;
// the values read by index are those of the last count. False when the index
// is not there; the caller skips that value.
int SerialCommValueCount();
bool SerialCommValueAt(int index, SerialCommValue& value);

// Adds "COMn" for every port number with an in-process channel that is not
// listed yet (used by the system's list builders).
void AppendAttachedChannels(std::vector<SerialCommValue>& values);
// Adds "COMn" for each of the port numbers that is not listed yet.
void AppendPorts(std::vector<SerialCommValue>& values, const std::vector<int>& ports);

// The network address behind the port number: one attached in this process,
// else the text of a file COMn in PortsFolder() that begins with rfc2217://
// or tcp:// (white space around it ignored). Empty for any other port.
std::string NetworkAddressForPort(int port);
// Makes the port number name the address in this process ("" undoes it).
void AttachNetworkAddress(int port, const std::string& address);
// Adds "COMn" for every network port that is not listed yet.
void AppendNetworkPorts(std::vector<SerialCommValue>& values);

}  // namespace rs232
