#include "sim/foreign_model.h"

namespace sim {

ForeignModel::ForeignModel(std::string identification) : identification_(std::move(identification)) {}

Answer ForeignModel::handle(const Frame& frame) {
  if (frame.command == "IDR" && frame.argument.empty()) {
    return Answer::Ack(std::string("#") + frame.address + identification_ + "\r");
  }
  return Answer::Nak();
}

}  // namespace sim
