#pragma once
// In-process channel: the far end of a port number is an object in this
// process (a scripted peer in tests, the simulator). Everything runs on the
// host's thread against a virtual clock, so a time-out costs no real time and
// the order of events is fixed.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

namespace rs232 {

class Channel;

// The device side of a channel.
class ChannelPeer {
 public:
  virtual ~ChannelPeer() = default;
  // The host has written these bytes (one ComWrt). The peer answers through
  // the channel's send functions.
  virtual void received(const std::uint8_t* data, std::size_t count, Channel& channel) = 0;
};

// Failures of the host's side of the port, for testing the driver's error paths.
struct HostFaults {
  bool flushInputFails = false;
  bool flushOutputFails = false;
  std::optional<int> writeResult;   // ComWrt returns this instead of the count
  bool outQueueLengthFails = false;
  int outQueueStuckAt = 0;          // GetOutQLen keeps reporting this many bytes
};

class Channel {
 public:
  explicit Channel(std::shared_ptr<ChannelPeer> peer);

  // --- device side ---
  // Bytes the host can read `delaySeconds` of virtual time from now.
  void send(const std::uint8_t* data, std::size_t count, double delaySeconds = 0.0);
  void send(const char* text, double delaySeconds = 0.0);
  // Bytes that arrive just after the host's next read has given up waiting.
  void sendAfterHostTimeout(const std::uint8_t* data, std::size_t count);
  // The line is gone: every later operation of the host fails with kGone.
  void drop();
  double now() const { return now_; }

  // --- test side ---
  HostFaults faults;
  // Everything the host has written, in order.
  const std::vector<std::uint8_t>& written() const { return written_; }
  void clearWritten() { written_.clear(); }
  // Bytes the host has not read yet (arrived, still on their way, or waiting
  // for the host's next time-out).
  std::size_t pendingForHost() const;

  // --- host side, used by the port layer ---
  int hostFlushInput();
  int hostFlushOutput();
  int hostWrite(const std::uint8_t* data, int count);
  int hostOutQueueLength();
  int hostReadByte(double timeoutSeconds);
  void hostPause(double seconds) { now_ += seconds; }
  bool dropped() const { return dropped_; }

 private:
  struct Pending {
    double arrival;
    std::uint8_t byte;
  };
  std::shared_ptr<ChannelPeer> peer_;
  std::deque<Pending> toHost_;          // ordered by arrival
  std::vector<std::uint8_t> afterTimeout_;
  std::vector<std::uint8_t> written_;
  double now_ = 0.0;
  bool dropped_ = false;
};

// Attaches a channel to the port number: the next OpenComConfig of that port
// opens the channel instead of a device, and the port map lists it.
std::shared_ptr<Channel> AttachChannel(int port, std::shared_ptr<ChannelPeer> peer);
void DetachChannel(int port);
std::shared_ptr<Channel> AttachedChannel(int port);  // null when none
std::vector<int> AttachedChannelPorts();             // ascending

}  // namespace rs232
