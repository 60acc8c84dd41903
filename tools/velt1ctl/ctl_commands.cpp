#include "ctl_commands.h"

#include <algorithm>
#include <cstdio>

#include "device/port_map.h"
#include "device/qorvelt1.h"
#include "device/statuswort.h"
#include "support/qor_error.h"

namespace {

constexpr int kMaxWriteBlock = 64;  // bytes per memory write frame
constexpr int kMessageNoAnswer = -403;

void HexDump(int start, const std::vector<unsigned char>& data) {
  for (std::size_t line = 0; line < data.size(); line += 16) {
    std::printf("%04X:", static_cast<unsigned>(start) + static_cast<unsigned>(line));
    std::string text;
    for (std::size_t i = line; i < line + 16; ++i) {
      if (i < data.size()) {
        std::printf(" %02X", data[i]);
        text += (data[i] >= 0x20 && data[i] < 0x7F) ? static_cast<char>(data[i]) : '.';
      } else {
        std::printf("   ");
      }
    }
    std::printf("  %s\n", text.c_str());
  }
}

}  // namespace

int CtlPorts() {
  for (const auto& value : rs232::SerialCommValues()) {
    const int number = rs232::PortOfName(value.data, rs232::PortNameRule::ListValueStart).value_or(0);
    std::string path = number > 0 ? rs232::NetworkAddressForPort(number) : "";
    if (path.empty() && number > 0) path = rs232::DevicePathForPort(number);
    std::printf("%s%s%s\n", value.data.c_str(), path.empty() ? "" : "  ", path.c_str());
  }
  return 0;
}

int CtlScan(const CtlContext& context, char first, char last) {
  for (char address = first; address <= last; ++address) {
    char id[32] = {};
    const int code = QORVELT1_IDLesen(context.port, address, id);
    if (code == 0) {
      std::printf("%c: %s (%s)\n", address, id, QORVELT1_IstVelt1(id) ? "VELT-1" : "kein VELT-1");
    } else if (code / 1000 == kMessageNoAnswer) {
      std::printf("%c: nichts gefunden\n", address);
    } else {
      std::printf("%c: %s\n", address, CtlErrorText(code).c_str());
    }
  }
  return 0;
}

int CtlGet(const CtlContext& context, const std::string& keyword) {
  double value = 0;
  int status = 0;
  char name[64] = {};
  const int code = QORVELT1_ParameterLesen(context.port, context.address, keyword.c_str(), &value,
                                           &status, name);
  if (code != 0) return code;
  if (keyword == "status") {
    std::printf("0x%04X\n", static_cast<unsigned>(status));
    for (const Statusbit& bit : STATUSBITS) {
      std::printf("%s: %s\n", bit.name, (status & bit.maske) ? "ein" : "aus");
    }
  } else if (keyword == "programmname") {
    std::printf("%s\n", name);
  } else {
    std::printf("%.10g\n", value);
  }
  return 0;
}

int CtlMemRead(const CtlContext& context, int start, int size) {
  std::vector<unsigned char> data(static_cast<std::size_t>(size));
  const int code = QORORM1_SpeicherLesen(context.port, context.address, 4, start, size, data.data());
  if (code == 0) HexDump(start, data);
  return code;
}

int CtlMemWrite(const CtlContext& context, int start, const std::vector<unsigned char>& data) {
  // A frame carries at most 64 bytes; longer data goes in several blocks.
  for (std::size_t done = 0; done < data.size(); done += kMaxWriteBlock) {
    const int block = static_cast<int>(std::min<std::size_t>(kMaxWriteBlock, data.size() - done));
    const int code = QORORM1_SpeicherSchreiben(context.port, context.address, 4,
                                               start + static_cast<int>(done), block, data.data() + done);
    if (code != 0) return code;
  }
  return 0;
}

std::string CtlErrorText(int code) {
  QOR_Fehlersprache(1);
  return "Fehler #" + std::to_string(-code) + ": " + QOR_Fehlermeldung(code);
}
