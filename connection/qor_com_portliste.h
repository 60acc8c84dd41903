#pragma once
// How one entry of the system's port list becomes an item of the port ring.

#include <optional>

#include "device/port_map.h"

// The port number of a string entry "COM" followed by a whole decimal number
// in 0..256 (blanks and a sign allowed around it); nothing for any other entry.
std::optional<int> QorCom_PortAusEintrag(const rs232::SerialCommValue& eintrag);
