#pragma once
// A port whose line hangs on a serial device server (net_address.h), one
// more backend behind the port layer's interface: the driver does not know
// the difference. A connection that is lost is a pulled adapter: every
// operation from then on fails with kGone.

#include <memory>
#include <string>

#include "device/serial_port.h"

namespace rs232 {

// Connects to the server (and, for RFC 2217, sets the line); on failure
// null and `error`: kNotFound when there is nothing to reach at the address,
// kSettings when the server does not take the line settings, kBusy when it
// closes the connection at once (it serves another client).
std::unique_ptr<PortBackend> OpenNetworkPort(const std::string& address, const LineSettings& settings,
                                             int& error);

}  // namespace rs232
