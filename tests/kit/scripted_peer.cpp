#include "tests/kit/scripted_peer.h"

#include <gtest/gtest.h>

#include "device/serial_port.h"

namespace kit {

namespace {
const std::uint8_t* Bytes(const std::string& text) {
  return reinterpret_cast<const std::uint8_t*>(text.data());
}
}  // namespace

void ScriptedPeer::received(const std::uint8_t* data, std::size_t count, rs232::Channel& channel) {
  frames_.emplace_back(reinterpret_cast<const char*>(data), count);
  if (script_.empty()) return;
  const Step step = script_.front();
  script_.pop_front();
  channel.send(Bytes(step.now), step.now.size());
  if (!step.late.empty()) channel.sendAfterHostTimeout(Bytes(step.late), step.late.size());
  if (step.drop) channel.drop();
}

void PeerRig::reset() {
  port_.reset();
  peer_ = std::make_shared<ScriptedPeer>();
  port_.emplace(kPort, peer_);
}

void ExpectTransactionCodes(PeerRig& rig, const std::function<int()>& operation,
                            const std::string& frame, const TransactionCodes& codes) {
  struct Case {
    const char* name;
    std::function<void(rs232::HostFaults&)> fault;
    std::string answer;
    bool dropLine;
    int expected;
    bool frameSent;
  };
  const int shortCount = static_cast<int>(frame.size()) - 1;
  const Case cases[] = {
      {"input flush fails",
       [](auto& f) {
         f.flushInputFails = true;
         f.flushOutputFails = true;
       },
       "", false, codes.flushInput, false},
      {"output flush fails", [](auto& f) { f.flushOutputFails = true; }, "", false,
       codes.flushOutput, false},
      {"write fails", [](auto& f) { f.writeResult = rs232::kIo; }, "", false, codes.writeFailed,
       false},
      {"short write", [&](auto& f) { f.writeResult = shortCount; }, "", false, codes.writeShort,
       false},
      {"output queue stuck", [](auto& f) { f.outQueueStuckAt = 3; }, kAck, false, codes.writeFailed,
       true},
      {"output queue unreadable", [](auto& f) { f.outQueueLengthFails = true; }, kAck, false,
       codes.writeFailed, true},
      {"line dropped", [](auto&) {}, kAck, true, codes.writeFailed, true},
      {"NAK", [](auto&) {}, kNak, false, codes.nak, true},
      {"CAN", [](auto&) {}, kCan, false, codes.can, true},
      {"silence", [](auto&) {}, "", false, codes.noAnswer, true},
      {"other byte", [](auto&) {}, "x", false, codes.otherByte, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    rig.reset();
    c.fault(rig.channel().faults);
    rig.peer().then({c.answer, "", c.dropLine});
    EXPECT_EQ(operation(), c.expected);
    if (c.frameSent) {
      EXPECT_EQ(rig.written(), frame);
    }
  }
}

}  // namespace kit
