#include "ctl_commands.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "device/port_map.h"
#include "device/qorvelt1.h"
#include "support/qor_error.h"

namespace {

constexpr int kMaxWriteBlock = 64;  // bytes per memory write frame
constexpr long kLastMemoryAddress = 0xFFFF;
constexpr long kMaxReadSize = 0xFFFF;  // four hexadecimal digits in the frame
constexpr int kMessageNoAnswer = -403;

struct StatusBit {
  int mask;
  const char* name;
};
constexpr StatusBit kStatusBits[] = {
    {0x0001, "Messung aktiv"},
    {0x0002, "Remotebetrieb"},
    {0x0100, "Speicherfehler"},
    {0x0200, "Prüfspannungsfehler"},
};

bool ParseInt(const std::string& text, long& value, int base) {
  if (text.empty()) return false;
  errno = 0;
  char* end = nullptr;
  value = std::strtol(text.c_str(), &end, base);
  return *end == '\0' && errno == 0;
}

// A number that must lie in [low, high] before it is used as an int or a size.
bool ParseInRange(const std::string& text, long low, long high, long& value) {
  return ParseInt(text, value, 0) && value >= low && value <= high;
}

bool ParseReal(const std::string& text, double& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  value = std::strtod(text.c_str(), &end);
  return *end == '\0';
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool ParseHexBytes(const std::string& text, std::vector<unsigned char>& bytes) {
  if (text.size() % 2 != 0) return false;
  for (std::size_t i = 0; i < text.size(); i += 2) {
    const int high = HexValue(text[i]);
    const int low = HexValue(text[i + 1]);
    if (high < 0 || low < 0) return false;
    bytes.push_back(static_cast<unsigned char>(high * 16 + low));
  }
  return true;
}

void HexDump(long start, const std::vector<unsigned char>& data) {
  for (std::size_t line = 0; line < data.size(); line += 16) {
    std::printf("%04lX:", start + static_cast<long>(line));
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

CtlResult Usage(const std::string& text) { return {0, text}; }

CtlResult Ports() {
  for (const auto& value : rs232::SerialCommValues()) {
    const int number = std::atoi(value.data.c_str() + (value.data.rfind("COM", 0) == 0 ? 3 : 0));
    const std::string path = number > 0 ? rs232::DevicePathForPort(number) : "";
    std::printf("%s%s%s\n", value.data.c_str(), path.empty() ? "" : "  ", path.c_str());
  }
  return {};
}

CtlResult Scan(const CtlContext& context, const std::vector<std::string>& arguments) {
  char first = '1';
  char last = '9';
  if (arguments.size() == 2) {  // checked by CtlArgumentError
    first = arguments[0][0];
    last = arguments[1][0];
  }
  for (char address = first; address <= last; ++address) {
    char id[32] = {};
    const int code = QORVELT1_IDLesen(context.port, address, id);
    if (code == 0) {
      const bool velt1 = std::strncmp(id, "QOR-VELT1-", 10) == 0;
      std::printf("%c: %s (%s)\n", address, id, velt1 ? "VELT-1" : "kein VELT-1");
    } else if (code / 1000 == kMessageNoAnswer) {
      std::printf("%c: nichts gefunden\n", address);
    } else {
      std::printf("%c: %s\n", address, CtlErrorText(code).c_str());
    }
  }
  return {};
}

CtlResult Get(const CtlContext& context, const std::string& keyword) {
  double value = 0;
  int status = 0;
  char name[64] = {};
  const int code = QORVELT1_ParameterLesen(context.port, context.address, keyword.c_str(), &value,
                                           &status, name);
  if (code != 0) return {code, {}};
  if (keyword == "status") {
    std::printf("0x%04X\n", static_cast<unsigned>(status));
    for (const auto& bit : kStatusBits) {
      std::printf("%s: %s\n", bit.name, (status & bit.mask) ? "ein" : "aus");
    }
  } else if (keyword == "programmname") {
    std::printf("%s\n", name);
  } else {
    std::printf("%.10g\n", value);
  }
  return {};
}

CtlResult Set(const CtlContext& context, const std::string& keyword, const std::string& text) {
  if (keyword == "programmname") {
    return {QORVELT1_ParameterSchreiben(context.port, context.address, keyword.c_str(), 0, 0, text.c_str()), {}};
  }
  double value = 0;
  if (!ParseReal(text, value)) return Usage("set: " + text + " ist keine Zahl");
  return {QORVELT1_ParameterSchreiben(context.port, context.address, keyword.c_str(), value, 0, nullptr), {}};
}

const char kMemReadUsage[] = "mem-read ADRESSE GROESSE: ADRESSE 0..0xFFFF, GROESSE 1..0xFFFF";
const char kMemWriteUsage[] =
    "mem-write ADRESSE HEX: ADRESSE 0..0xFFFF, HEX Bytes als Hexziffern (z.B. 616263) "
    "bis zum Speicherende";

// Start and size, both checked against the memory's range before anything
// is allocated for them.
bool ParseMemRead(const std::vector<std::string>& arguments, long& start, long& size) {
  return ParseInRange(arguments[0], 0, kLastMemoryAddress, start) &&
         ParseInRange(arguments[1], 1, kMaxReadSize, size);
}

// Start and data; the data must end inside the memory, or a block in the
// middle would be refused after the first ones were written.
bool ParseMemWrite(const std::vector<std::string>& arguments, long& start,
                   std::vector<unsigned char>& data) {
  return ParseInRange(arguments[0], 0, kLastMemoryAddress, start) &&
         ParseHexBytes(arguments[1], data) && !data.empty() &&
         static_cast<long>(data.size()) <= kLastMemoryAddress + 1 - start;
}

CtlResult MemRead(const CtlContext& context, const std::vector<std::string>& arguments) {
  long start = 0;
  long size = 0;
  if (!ParseMemRead(arguments, start, size)) return Usage(kMemReadUsage);
  std::vector<unsigned char> data(static_cast<std::size_t>(size));
  const int code = QORORM1_SpeicherLesen(context.port, context.address, 4, static_cast<int>(start),
                                         static_cast<int>(size), data.data());
  if (code == 0) HexDump(start, data);
  return {code, {}};
}

CtlResult MemWrite(const CtlContext& context, const std::vector<std::string>& arguments) {
  long start = 0;
  std::vector<unsigned char> data;
  if (!ParseMemWrite(arguments, start, data)) return Usage(kMemWriteUsage);
  // A frame carries at most 64 bytes; longer data goes in several blocks.
  std::size_t done = 0;
  do {
    const int block = static_cast<int>(std::min<std::size_t>(kMaxWriteBlock, data.size() - done));
    const int code = QORORM1_SpeicherSchreiben(context.port, context.address, 4,
                                               static_cast<int>(start + static_cast<long>(done)),
                                               block, data.data() + done);
    if (code != 0) return {code, {}};
    done += static_cast<std::size_t>(block);
  } while (done < data.size());
  return {};
}

CtlResult Program(const CtlContext& context, bool store, const std::string& text) {
  long number = 0;
  // The driver checks 1..16; the number only has to reach it unchanged.
  if (!ParseInt(text, number, 10) || number < INT_MIN || number > INT_MAX) {
    return Usage(std::string(store ? "store" : "load") + " N (1..16)");
  }
  const int n = static_cast<int>(number);
  const int code = store ? QORVELT1_ProgrammSpeichern(context.port, context.address, n)
                         : QORVELT1_ProgrammLaden(context.port, context.address, n);
  return {code, {}};
}

struct CommandShape {
  const char* name;
  std::size_t arguments;  // the number needed; scan takes 0 or 2
};
constexpr CommandShape kCommands[] = {
    {"ports", 0}, {"id", 0},    {"scan", 0},  {"start", 0},    {"stop", 0},      {"load", 1},
    {"store", 1}, {"get", 1},   {"set", 2},   {"mem-read", 2}, {"mem-write", 2},
};

}  // namespace

bool IsCtlCommand(const std::string& command) {
  for (const auto& shape : kCommands) {
    if (command == shape.name) return true;
  }
  return false;
}

bool CtlCommandNeedsPort(const std::string& command) { return command != "ports"; }

std::string CtlErrorText(int code) {
  QOR_Fehlersprache(1);
  return "Fehler #" + std::to_string(-code) + ": " + QOR_Fehlermeldung(code);
}

std::string CtlArgumentError(const std::string& command, const std::vector<std::string>& arguments) {
  for (const auto& shape : kCommands) {
    if (command == shape.name && command != "scan" && arguments.size() != shape.arguments) {
      return command + ": " + std::to_string(shape.arguments) + " Argument(e) erwartet";
    }
  }
  long number = 0;
  double real = 0;
  std::vector<unsigned char> bytes;
  if (command == "scan" && !arguments.empty()) {
    const bool range = arguments.size() == 2 && arguments[0].size() == 1 && arguments[1].size() == 1 &&
                       arguments[0][0] >= '1' && arguments[1][0] <= '9' && arguments[0][0] <= arguments[1][0];
    if (!range) return "scan [ERSTE LETZTE]: Adressen 1..9, ERSTE <= LETZTE";
  }
  if ((command == "load" || command == "store") &&
      (!ParseInt(arguments[0], number, 10) || number < INT_MIN || number > INT_MAX)) {
    return command + " N (1..16)";
  }
  if (command == "set" && arguments[0] != "programmname" && !ParseReal(arguments[1], real)) {
    return "set: " + arguments[1] + " ist keine Zahl";
  }
  long size = 0;
  if (command == "mem-read" && !ParseMemRead(arguments, number, size)) return kMemReadUsage;
  if (command == "mem-write" && !ParseMemWrite(arguments, number, bytes)) return kMemWriteUsage;
  return {};
}

CtlResult RunCtlCommand(const CtlContext& context, const std::string& command,
                        const std::vector<std::string>& arguments) {
  if (const std::string error = CtlArgumentError(command, arguments); !error.empty()) return Usage(error);
  if (command == "ports") return Ports();
  if (command == "scan") return Scan(context, arguments);
  if (command == "id") {
    char id[32] = {};
    const int code = QORVELT1_IDLesen(context.port, context.address, id);
    if (code == 0) std::printf("%s\n", id);
    return {code, {}};
  }
  if (command == "start") return {QORVELT1_DeviceFunction(context.port, context.address, "start"), {}};
  if (command == "stop") return {QORVELT1_DeviceFunction(context.port, context.address, "stopp"), {}};
  if (command == "load") return Program(context, false, arguments[0]);
  if (command == "store") return Program(context, true, arguments[0]);
  if (command == "get") return Get(context, arguments[0]);
  if (command == "set") return Set(context, arguments[0], arguments[1]);
  if (command == "mem-read") return MemRead(context, arguments);
  if (command == "mem-write") return MemWrite(context, arguments);
  return Usage("unbekannter Befehl " + command);
}
