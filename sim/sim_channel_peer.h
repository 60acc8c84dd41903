#pragma once
// The simulated bus behind an in-process channel: attach it to a port number
// with rs232::AttachChannel and the driver talks to the simulated devices.
//
//   auto peer = std::make_shared<sim::SimChannelPeer>();
//   peer->bus().addVelt1('1');
//   rs232::AttachChannel(7, peer);

#include "device/serial_channel.h"
#include "sim/bus.h"

namespace sim {

class SimChannelPeer : public rs232::ChannelPeer {
 public:
  explicit SimChannelPeer(double hostTimeoutSeconds = 1.5) : bus_(hostTimeoutSeconds) {}

  void received(const std::uint8_t* data, std::size_t count, rs232::Channel& channel) override;
  Bus& bus() { return bus_; }

 private:
  Bus bus_;
};

}  // namespace sim
