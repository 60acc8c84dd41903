#include "device/open_failure.h"

#include "device/port_map.h"
#include "device/serial_port.h"

namespace rs232 {

std::string OpenFailureText(int port) {
  const int error = LastOpenError(port);
  if (error == kOk) return {};
  const std::string device = DeviceBehindPort(port);
  const std::string com = PortLabel(port);
  const std::string named = device.empty() ? com : com + " (" + device + ")";
  switch (error) {
    case kBusy:
      return named + " ist von einem anderen Programm belegt.";
    case kPermission:
      return "Keine Berechtigung für " + named +
             ". Unter Debian muss der Benutzer zur Gruppe dialout gehören "
             "(sudo adduser $USER dialout, danach neu anmelden).";
    case kNotFound:
      return device.empty() ? com + " ist keinem Gerät zugeordnet."
                            : named + ": kein Gerät vorhanden.";
    default:
      return named + " lässt sich nicht öffnen.";
  }
}

}  // namespace rs232
