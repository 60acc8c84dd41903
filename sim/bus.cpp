#include "sim/bus.h"

#include <stdexcept>

#include "sim/foreign_model.h"
#include "sim/velt1_model.h"

namespace sim {

namespace {

Emission Now(std::string bytes) { return {Emission::When::Now, 0.0, std::move(bytes)}; }

// Any byte but ACK, NAK and CAN; printable so that a trace shows it.
constexpr char kWrongByte = '?';

}  // namespace

void Bus::attach(char address, std::unique_ptr<Device> device) {
  if (!IsDeviceAddress(address)) throw std::invalid_argument("no device can sit at this address");
  devices_[address] = std::move(device);
}

Velt1Model& Bus::addVelt1(char address) {
  auto model = std::make_unique<Velt1Model>();
  Velt1Model& result = *model;
  attach(address, std::move(model));
  return result;
}

void Bus::addForeign(char address) { attach(address, std::make_unique<ForeignModel>()); }

Device* Bus::device(char address) {
  auto it = devices_.find(address);
  return it == devices_.end() ? nullptr : it->second.get();
}

Velt1Model* Bus::velt1(char address) { return dynamic_cast<Velt1Model*>(device(address)); }

int Bus::framesReceived(char address) const {
  auto it = framesByAddress_.find(address);
  return it == framesByAddress_.end() ? 0 : it->second;
}

void Bus::resetFrameCounts() {
  totalFrames_ = 0;
  framesByAddress_.clear();
}

std::vector<Emission> Bus::receive(const std::string& bytes) {
  return receive(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

std::vector<Emission> Bus::receive(const std::uint8_t* data, std::size_t count) {
  std::vector<Emission> emissions;
  for (std::size_t i = 0; i < count; ++i) {
    if (auto body = assembler_.push(data[i])) {
      auto answer = handleFrame(*body);
      emissions.insert(emissions.end(), answer.begin(), answer.end());
    }
  }
  return emissions;
}

std::vector<Emission> Bus::handleFrame(const std::string& body) {
  ++totalFrames_;
  const Frame frame = SplitFrame(body);
  ++framesByAddress_[frame.address];
  if (frame.address == kCommonAddress) {
    // Every device executes it and none answers; reading changes nothing.
    for (auto& entry : devices_) entry.second->handle(frame);
    return {};
  }
  Device* target = device(frame.address);
  if (target == nullptr) return {};
  const auto fault = faults_.take(frame.address, frame.command);
  if (fault) {
    switch (*fault) {
      case FaultKind::Nak:
      case FaultKind::Can:
      case FaultKind::Silence:
      case FaultKind::WrongByte:
      case FaultKind::Drop:
        return ApplyFault(*fault, {}, hostTimeout_);  // the command never reached the device
      default:
        return ApplyFault(*fault, target->handle(frame), hostTimeout_);
    }
  }
  const Answer answer = target->handle(frame);
  if (answer.control.empty()) return {};
  return {Now(answer.control + answer.reply)};
}

std::vector<Emission> ApplyFault(FaultKind kind, const Answer& answer, double hostTimeoutSeconds) {
  const std::string whole = answer.control + answer.reply;
  std::string reply = answer.reply;
  switch (kind) {
    case FaultKind::Nak:
      return {Now(std::string(1, static_cast<char>(kNak)))};
    case FaultKind::Can:
      return {Now(std::string(1, static_cast<char>(kCan)))};
    case FaultKind::Silence:
      return {};
    case FaultKind::WrongByte:
      return {Now(std::string(1, kWrongByte))};
    case FaultKind::Drop:
      return {{Emission::When::DropLine, 0.0, {}}};
    case FaultKind::Late:
      return {{Emission::When::AfterHostTimeout, 0.0, whole}};
    case FaultKind::Slow:
      return {{Emission::When::After, hostTimeoutSeconds / 2, whole}};
    default:
      break;
  }
  // The rest change the reply frame; an answer without one stays as it is.
  if (reply.size() < 2) return {Now(whole)};
  switch (kind) {
    case FaultKind::Cut:
      reply.pop_back();
      break;
    case FaultKind::WrongEcho:
      reply[1] = reply[1] == '1' ? '2' : '1';
      break;
    case FaultKind::Err:
      reply = reply.substr(0, 5) + "err\r";
      break;
    case FaultKind::Gap: {
      const std::size_t half = reply.size() / 2;
      return {Now(answer.control + reply.substr(0, half)),
              {Emission::When::AfterHostTimeout, 0.0, reply.substr(half)}};
    }
    default:
      break;
  }
  return {Now(answer.control + reply)};
}

}  // namespace sim
