#pragma once
// A COM port served by a peer through an in-process channel and opened by the
// driver as the session opens it (9600 baud, 1.5 s time-out); closed and
// detached again when the object goes.

#include <memory>
#include <string>

#include "device/serial_channel.h"

namespace kit {

class ChannelPort {
 public:
  ChannelPort(int port, std::shared_ptr<rs232::ChannelPeer> peer);
  ~ChannelPort();
  ChannelPort(const ChannelPort&) = delete;
  ChannelPort& operator=(const ChannelPort&) = delete;

  rs232::Channel* operator->() const { return channel_.get(); }
  rs232::Channel& operator*() const { return *channel_; }
  // What the host has written, as text.
  std::string written() const;
  // The line plugged in again (after a dropped one): a new channel, the port opened anew.
  void reconnect();

 private:
  void connect();

  int port_;
  std::shared_ptr<rs232::ChannelPeer> peer_;
  std::shared_ptr<rs232::Channel> channel_;
};

}  // namespace kit
