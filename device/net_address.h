#pragma once
// The address of a serial line behind a serial device server:
//   rfc2217://HOST:PORT   Telnet with the COM-PORT option: this program sets
//                         the line (speed, data bits, parity, stop bits);
//   tcp://HOST:PORT       the bytes as they are, the line set at the server.
// HOST is a name, an IPv4 address or an IPv6 address in brackets ([::1]).

#include <string>
#include <string_view>

namespace rs232 {

struct NetAddress {
  bool rfc2217 = false;  // else raw TCP
  std::string host;
  std::string port;  // 1..65535, in decimal
};

// True when the text names a network port by its scheme, well formed or not:
// such a text is never taken for a device path.
bool IsNetworkAddress(std::string_view text);

// False for a text that is no well-formed address.
bool ParseNetAddress(std::string_view text, NetAddress& address);

}  // namespace rs232
