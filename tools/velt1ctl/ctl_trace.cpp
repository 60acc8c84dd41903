#include "ctl_trace.h"

#include "device/serial_port.h"

std::string ByteTrace::FormatLine(double seconds, bool sent, const std::vector<std::uint8_t>& bytes) {
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "[%11.6f] %s", seconds, sent ? "->" : "<-");
  std::string hex;
  std::string text;
  for (std::uint8_t byte : bytes) {
    char digits[4];
    std::snprintf(digits, sizeof digits, " %02X", byte);
    hex += digits;
    text += (byte >= 0x20 && byte < 0x7F) ? static_cast<char>(byte) : '.';
  }
  return std::string(stamp) + hex + "  " + text;
}

double ByteTrace::now() const {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
}

void ByteTrace::flush() {
  if (pending_.empty()) return;
  std::fprintf(out_, "%s\n", FormatLine(pendingSince_, false, pending_).c_str());
  pending_.clear();
}

void ByteTrace::sent(const std::uint8_t* data, int count) {
  flush();
  std::fprintf(out_, "%s\n", FormatLine(now(), true, std::vector<std::uint8_t>(data, data + count)).c_str());
}

void ByteTrace::received(std::uint8_t byte) {
  if (pending_.empty()) pendingSince_ = now();
  pending_.push_back(byte);
  const bool control = pending_.size() == 1 && (byte == 0x06 || byte == 0x15 || byte == 0x18);
  if (byte == 0x0D || control) flush();
}

void InstallTrace(ByteTrace& trace) {
  rs232::SetTrace([&trace](int, rs232::Direction direction, const std::uint8_t* data, int count) {
    if (direction == rs232::Direction::Sent) {
      trace.sent(data, count);
    } else {
      for (int i = 0; i < count; ++i) trace.received(data[i]);
    }
  });
}
