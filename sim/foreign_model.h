#pragma once
// A device of another kind on the same line: it identifies itself and refuses
// every other command.

#include <string>

#include "sim/device.h"

namespace sim {

class ForeignModel : public Device {
 public:
  explicit ForeignModel(std::string identification = "FOREIGN-DEVICE-1")
      : identification_(std::move(identification)) {}
  Answer handle(const Frame& frame) override {
    if (frame.command == "IDR" && frame.argument.empty()) {
      return Answer::Ack(std::string("#") + frame.address + identification_ + "\r");
    }
    return Answer::Nak();
  }
  bool isVelt1() const override { return false; }

 private:
  std::string identification_;
};

}  // namespace sim
