#pragma once
// A scripted device behind an in-process channel: it records every frame the
// host writes and answers each one with the next step of its script.

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "device/serial_channel.h"
#include "tests/kit/channel_port.h"
#include "tests/kit/wire.h"

namespace kit {

class ScriptedPeer : public rs232::ChannelPeer {
 public:
  struct Step {
    std::string now;    // bytes the host can read at once
    std::string late;   // bytes that arrive just after the host's next time-out
    bool drop = false;  // the line goes away once the frame is in
  };
  // No step left: the device stays silent.
  void then(Step step) { script_.push_back(std::move(step)); }
  void then(std::string now) { then(Step{std::move(now), {}, false}); }
  const std::vector<std::string>& frames() const { return frames_; }

  void received(const std::uint8_t* data, std::size_t count, rs232::Channel& channel) override;

 private:
  std::deque<Step> script_;
  std::vector<std::string> frames_;
};

// A port number served by a channel with a scripted peer, opened and given its
// time-out the way the session does it.
class PeerRig {
 public:
  static constexpr int kPort = 201;
  PeerRig() { reset(); }

  // A fresh peer and channel, the port opened again.
  void reset();
  ScriptedPeer& peer() { return *peer_; }
  rs232::Channel& channel() { return **port_; }
  std::string written() const { return port_->written(); }

 private:
  std::shared_ptr<ScriptedPeer> peer_;
  std::optional<ChannelPort> port_;
};

// Codes of one operation for the failures that every command transaction shares.
struct TransactionCodes {
  int flushInput;
  int flushOutput;
  int writeFailed;  // negative write result, stuck or broken output queue, dropped line
  int writeShort;
  int nak;
  int can;
  int noAnswer;
  int otherByte;
};

// Runs the host faults and acknowledge answers against `operation`, which must
// send `frame` to address '1' on PeerRig::kPort, and checks each code.
void ExpectTransactionCodes(PeerRig& rig, const std::function<int()>& operation,
                            const std::string& frame, const TransactionCodes& codes);

}  // namespace kit
