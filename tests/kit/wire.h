#pragma once
// What travels on the line, as text: the acknowledge bytes, the frames of a
// byte stream and what the simulated bus plays back.

#include <string>
#include <vector>

#include "sim/bus.h"

namespace kit {

inline const std::string kAck = "\x06";
inline const std::string kNak = "\x15";
inline const std::string kCan = "\x18";

// The frames of a byte stream without their CR; bytes behind the last CR
// are no frame yet.
inline std::vector<std::string> Frames(const std::string& bytes) {
  std::vector<std::string> frames(1);
  for (const char byte : bytes) {
    if (byte == '\r') frames.emplace_back();
    else frames.back() += byte;
  }
  frames.pop_back();
  return frames;
}

// The bytes of emissions that leave at once; anything timed otherwise is
// written as <after ...>, <late ...> or <drop> so a comparison shows it.
inline std::string Played(const std::vector<sim::Emission>& emissions) {
  std::string text;
  for (const auto& emission : emissions) {
    switch (emission.when) {
      case sim::Emission::When::Now: text += emission.bytes; break;
      case sim::Emission::When::After: text += "<after " + emission.bytes + ">"; break;
      case sim::Emission::When::AfterHostTimeout: text += "<late " + emission.bytes + ">"; break;
      case sim::Emission::When::DropLine: text += "<drop>"; break;
    }
  }
  return text;
}

}  // namespace kit
