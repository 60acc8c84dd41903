#pragma once
// velt1ctl --trace: every byte that crosses the port, with the time since the
// start, in hexadecimal and as text, on standard error. Received bytes come
// one by one from the port layer; they are gathered into one line per reply
// (up to CR, or a single ACK, NAK or CAN) so a trace reads like the protocol.

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

class ByteTrace {
 public:
  explicit ByteTrace(std::FILE* out) : out_(out), start_(std::chrono::steady_clock::now()) {}
  ~ByteTrace() { flush(); }

  void sent(const std::uint8_t* data, int count);
  void received(std::uint8_t byte);
  void flush();

  // One line: "[   0.012345] -> 23 31 49 44 52 0D  #1IDR."
  static std::string FormatLine(double seconds, bool sent, const std::vector<std::uint8_t>& bytes);

 private:
  double now() const;

  std::FILE* out_;
  std::chrono::steady_clock::time_point start_;
  std::vector<std::uint8_t> pending_;
  double pendingSince_ = 0.0;
};

// Installs the trace on the port layer for the rest of the run.
void InstallTrace(ByteTrace& trace);
