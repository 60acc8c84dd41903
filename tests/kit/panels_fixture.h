#pragma once
// A simulated bus behind an in-process channel on COM 20 with an empty ports
// folder, so that only the channel is listed; and the three top-level panels
// loaded as at start-up (main, COM, status), with readers for what they show.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "device/serial_channel.h"
#include "sim/sim_channel_peer.h"
#include "tests/kit/app.h"
#include "tests/kit/ports_folder.h"

namespace kit {

constexpr int kSimPort = 20;

// The simulator behind a channel, and a look at the panels whenever a frame
// arrives (the bytes of that frame have not been answered yet).
class WatchedSim : public rs232::ChannelPeer {
 public:
  void received(const std::uint8_t* data, std::size_t count, rs232::Channel& channel) override;
  sim::Bus& bus() { return sim_.bus(); }
  std::function<void()> onFrame;

 private:
  sim::SimChannelPeer sim_;
};

struct ErrorDisplay {
  int led = 0;
  std::string text;
  int number = 0;
  bool operator==(const ErrorDisplay&) const = default;
};

// The bus, the ports folder and the runtime with popups answered by a script.
class SimBusTest : public ::testing::Test {
 protected:
  ~SimBusTest() override { rs232::DetachChannel(kSimPort); }
  sim::Bus& bus() { return sim->bus(); }
  // What the host has written, as text.
  std::string Written() const { return {channel->written().begin(), channel->written().end()}; }

  PortsFolder ports;
  Runtime runtime;
  std::shared_ptr<WatchedSim> sim = std::make_shared<WatchedSim>();
  std::shared_ptr<rs232::Channel> channel = rs232::AttachChannel(kSimPort, sim);
};

class PanelsTest : public SimBusTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  int IntValue(int panel, int control);
  std::string Text(int panel, int control);
  // The error display of the main, COM and status panel, in that order.
  std::vector<ErrorDisplay> ErrorDisplays();
  // The value of the main, COM and status panel's COM state picture.
  std::vector<int> Pictures();
  // The port ring's items as "label=value".
  std::vector<std::string> PortRingItems();
};

}  // namespace kit
