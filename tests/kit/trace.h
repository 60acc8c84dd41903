#pragma once
// The bytes of velt1ctl's --trace, by direction. Each line reads
// "[seconds] -> 23 31 ... 0D  text" for what the host sent, "<-" for what it got.

#include <sstream>
#include <string>

namespace kit {

struct TracedBytes {
  std::string sent;
  std::string received;
};

inline TracedBytes BytesOfTrace(const std::string& trace) {
  TracedBytes bytes;
  std::istringstream lines(trace);
  for (std::string line; std::getline(lines, line);) {
    const std::size_t arrow = line.find("] ");
    if (arrow == std::string::npos) continue;
    std::string& into = line.compare(arrow + 2, 2, "->") == 0 ? bytes.sent : bytes.received;
    std::istringstream hex(line.substr(arrow + 5, line.find("  ", arrow + 5) - arrow - 5));
    for (unsigned byte = 0; hex >> std::hex >> byte;) into += static_cast<char>(byte);
  }
  return bytes;
}

}  // namespace kit
