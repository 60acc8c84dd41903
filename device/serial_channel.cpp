// In-process channel: the host's side of a port whose far end is an object in
// this process. All time is virtual: a read that waits advances the clock to
// the moment its byte arrives, a read that gives up advances it by the time-out.

#include "device/serial_channel.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <mutex>

#include "device/serial_port.h"

namespace rs232 {

Channel::Channel(std::shared_ptr<ChannelPeer> peer) : peer_(std::move(peer)) {}

void Channel::send(const std::uint8_t* data, std::size_t count, double delaySeconds) {
  if (dropped_ || data == nullptr) return;
  const double arrival = now_ + std::max(0.0, delaySeconds);
  // Bytes with an equal arrival keep the order in which they were sent.
  auto at = std::upper_bound(toHost_.begin(), toHost_.end(), arrival,
                             [](double a, const Pending& p) { return a < p.arrival; });
  std::vector<Pending> bytes;
  bytes.reserve(count);
  for (std::size_t i = 0; i < count; ++i) bytes.push_back({arrival, data[i]});
  toHost_.insert(at, bytes.begin(), bytes.end());
}

void Channel::send(const char* text, double delaySeconds) {
  if (text == nullptr) return;
  send(reinterpret_cast<const std::uint8_t*>(text), std::strlen(text), delaySeconds);
}

void Channel::sendAfterHostTimeout(const std::uint8_t* data, std::size_t count) {
  if (dropped_ || data == nullptr) return;
  afterTimeout_.insert(afterTimeout_.end(), data, data + count);
}

void Channel::drop() { dropped_ = true; }

std::size_t Channel::pendingForHost() const { return toHost_.size() + afterTimeout_.size(); }

int Channel::hostFlushInput() {
  if (dropped_) return kGone;
  if (faults.flushInputFails) return kIo;
  // Only what has arrived is in the input queue; bytes on their way come later.
  while (!toHost_.empty() && toHost_.front().arrival <= now_) toHost_.pop_front();
  return kOk;
}

int Channel::hostFlushOutput() {
  if (dropped_) return kGone;
  if (faults.flushOutputFails) return kIo;
  return kOk;  // written bytes reach the peer at once: nothing is ever queued
}

int Channel::hostWrite(const std::uint8_t* data, int count) {
  if (dropped_) return kGone;
  if (count < 0 || (data == nullptr && count > 0)) return kInvalidArgument;
  int result = count;
  int taken = count;
  if (faults.writeResult) {
    result = *faults.writeResult;
    if (result < 0) return result;  // a failed write takes nothing
    taken = std::min(result, count);
  }
  if (taken == 0) return result;
  written_.insert(written_.end(), data, data + taken);
  if (peer_) peer_->received(data, static_cast<std::size_t>(taken), *this);
  return result;
}

int Channel::hostOutQueueLength() {
  if (dropped_) return kGone;
  if (faults.outQueueLengthFails) return kIo;
  return faults.outQueueStuckAt;
}

int Channel::hostReadByte(double timeoutSeconds) {
  if (dropped_) return kGone;
  const double timeout = std::max(0.0, timeoutSeconds);
  if (!toHost_.empty() && toHost_.front().arrival <= now_ + timeout) {
    now_ = std::max(now_, toHost_.front().arrival);
    const std::uint8_t byte = toHost_.front().byte;
    toHost_.pop_front();
    return byte;
  }
  now_ += timeout;
  // The late bytes arrive right after the host stopped waiting for them.
  if (!afterTimeout_.empty()) {
    std::vector<std::uint8_t> late;
    late.swap(afterTimeout_);
    send(late.data(), late.size(), 0.0);
  }
  return kTimeout;
}

namespace {

std::mutex& RegistryMutex() {
  static std::mutex mutex;
  return mutex;
}

std::map<int, std::shared_ptr<Channel>>& Registry() {
  static std::map<int, std::shared_ptr<Channel>> channels;
  return channels;
}

}  // namespace

std::shared_ptr<Channel> AttachChannel(int port, std::shared_ptr<ChannelPeer> peer) {
  if (!ValidPortNumber(port)) return nullptr;
  auto channel = std::make_shared<Channel>(std::move(peer));
  std::lock_guard<std::mutex> lock(RegistryMutex());
  Registry()[port] = channel;
  return channel;
}

void DetachChannel(int port) {
  std::lock_guard<std::mutex> lock(RegistryMutex());
  Registry().erase(port);
}

std::shared_ptr<Channel> AttachedChannel(int port) {
  std::lock_guard<std::mutex> lock(RegistryMutex());
  auto it = Registry().find(port);
  return it == Registry().end() ? nullptr : it->second;
}

std::vector<int> AttachedChannelPorts() {
  std::lock_guard<std::mutex> lock(RegistryMutex());
  std::vector<int> ports;
  for (const auto& entry : Registry()) ports.push_back(entry.first);
  return ports;
}

}  // namespace rs232
