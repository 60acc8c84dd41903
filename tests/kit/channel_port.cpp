#include "tests/kit/channel_port.h"

#include <gtest/gtest.h>

#include <utility>

#include "device/qorvelt1.h"

namespace kit {

ChannelPort::ChannelPort(int port, std::shared_ptr<rs232::ChannelPeer> peer) : port_(port), peer_(std::move(peer)) {
  connect();
}

ChannelPort::~ChannelPort() {
  QORVELT1_Close(port_);
  rs232::DetachChannel(port_);
}

std::string ChannelPort::written() const { return {channel_->written().begin(), channel_->written().end()}; }

void ChannelPort::reconnect() {
  QORVELT1_Close(port_);
  connect();
}

void ChannelPort::connect() {
  channel_ = rs232::AttachChannel(port_, peer_);
  EXPECT_EQ(QORVELT1_Open(port_, 9600), 0);
  EXPECT_EQ(QORVELT1_Timeout(port_, 1.5), 0);
}

}  // namespace kit
