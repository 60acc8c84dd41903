#pragma once
// The operator's words for a port that would not open: the cause and the
// device behind the port number, added to the message of the open code.

#include <string>

namespace rs232 {

// "COM 33 (/dev/ttyUSB0) ist von einem anderen Programm belegt.", or for a
// missing permission the hint on the group dialout. Empty when the last
// open of the port succeeded.
std::string OpenFailureText(int port);

}  // namespace rs232
