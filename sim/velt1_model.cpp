#include "sim/velt1_model.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "sim/velt1_parameters.h"
#include "sim/wire_numbers.h"

namespace sim {

namespace {

bool PrintableAscii(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c <= 0x7E; });
}

void SetName(Programm& set, const std::string& name) {
  std::memset(set.programmname, 0, sizeof set.programmname);
  std::memcpy(set.programmname, name.data(), name.size());
}

// Program numbers are sent in decimal without sign: "1" to "16".
int ProgramNumber(const std::string& argument) {
  if (argument.empty() || argument.size() > 2) return 0;
  int number = 0;
  for (char c : argument) {
    if (c < '0' || c > '9') return 0;
    number = number * 10 + (c - '0');
  }
  return number >= 1 && number <= kProgramSlots ? number : 0;
}

}  // namespace

bool Velt1Model::ValidIdentification(const std::string& identification) {
  if (identification.empty() || identification.size() > kMaxReplyBytes - 3) return false;
  return std::all_of(identification.begin(), identification.end(), [](char c) { return c > 0x20 && c <= 0x7E; });
}

Velt1Model::Velt1Model(std::string identification)
    : identification_(std::move(identification)), working_(DefaultParameterSet()),
      memory_(kMemoryBytes, 0) {
  SetName(working_, "Arbeitsparameter");
  for (int n = 1; n <= kProgramSlots; ++n) {
    Programm& slot = program(n);
    slot = DefaultParameterSet();
    SetName(slot, "Programm " + std::to_string(n));
  }
}

std::uint16_t Velt1Model::status() const {
  return static_cast<std::uint16_t>(otherStatusBits_ | (started_ ? kStatusMessungAktiv : 0));
}

std::string Velt1Model::replyFrame(const Frame& frame, const std::string& value) const {
  return std::string("#") + frame.address + frame.command + value + "\r";
}

Answer Velt1Model::handle(const Frame& frame) {
  // A 7-bit line carries nothing else; such a frame cannot be parsed.
  if (frame.command.size() != 3 || !PrintableAscii(frame.command) ||
      !PrintableAscii(frame.argument)) {
    return Answer::Nak();
  }
  const std::string& command = frame.command;
  const bool noArgument = frame.argument.empty();
  if (command == "IDR" && noArgument) {
    return Answer::Ack(std::string("#") + frame.address + identification_ + "\r");
  }
  if ((command == "DF1" || command == "DF2") && noArgument) {
    started_ = command == "DF1";
    return Answer::Ack();
  }
  if (command == "PNS" || command == "PNP") return moveProgram(frame);
  if (command == "S1R" && noArgument) return Answer::Ack(replyFrame(frame, FormatHex(status(), 4)));
  if (command == "BDR") return ReadMemoryBlock(memory_, frame);
  if (command == "BDW") return WriteMemoryBlock(memory_, frame);
  if (command == "N1W") {
    // The record holds 31 characters and a NUL.
    if (frame.argument.size() >= sizeof working_.programmname) return Answer::Nak();
    SetName(working_, frame.argument);
    return Answer::Ack();
  }
  if (command == "N1R" && noArgument) {
    const std::string name(working_.programmname);
    return Answer::Ack(replyFrame(frame, name.substr(0, kMaxNameInReply)));
  }
  if (command[2] == 'W') return writeParameter(frame);
  if (command[2] == 'R' && noArgument) return readParameter(frame);
  return Answer::Nak();
}

Answer Velt1Model::writeParameter(const Frame& frame) {
  const Velt1Parameter* parameter = FindVelt1Parameter(frame.command.substr(0, 2));
  if (parameter == nullptr) return Answer::Nak();
  const auto number = ParseWireDecimal(frame.argument);
  if (!number) return Answer::Nak();
  double value = number->value;
  if (parameter->form == WireForm::Whole) {
    if (number->hasFraction) return Answer::Nak();
  } else {
    value = static_cast<double>(std::lround(value * 10.0)) / 10.0;
  }
  // The device keeps its old value when the new one is outside its limits.
  constexpr double kTolerance = 1e-9;
  if (value < parameter->lower - kTolerance || value > parameter->upper + kTolerance) {
    return Answer::Nak();
  }
  working_.*(parameter->field) = value;
  return Answer::Ack();
}

Answer Velt1Model::readParameter(const Frame& frame) {
  const Velt1Parameter* parameter = FindVelt1Parameter(frame.command.substr(0, 2));
  if (parameter == nullptr) return Answer::Nak();
  const double value = working_.*(parameter->field);
  const std::string text =
      parameter->form == WireForm::Whole ? FormatWhole(value) : FormatOneDecimal(value);
  return Answer::Ack(replyFrame(frame, text));
}

Answer Velt1Model::moveProgram(const Frame& frame) {
  const int number = ProgramNumber(frame.argument);
  if (number == 0) return Answer::Nak();
  if (frame.command == "PNS") {
    working_ = program(number);
  } else {
    program(number) = working_;
  }
  return Answer::Ack();
}

}  // namespace sim
