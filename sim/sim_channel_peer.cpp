#include "sim/sim_channel_peer.h"

namespace sim {

void SimChannelPeer::received(const std::uint8_t* data, std::size_t count, rs232::Channel& channel) {
  double delay = 0.0;  // emissions delayed "after the previous one" add up
  for (const Emission& emission : bus_.receive(data, count)) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(emission.bytes.data());
    switch (emission.when) {
      case Emission::When::Now:
        channel.send(bytes, emission.bytes.size(), delay);
        break;
      case Emission::When::After:
        delay += emission.delaySeconds;
        channel.send(bytes, emission.bytes.size(), delay);
        break;
      case Emission::When::AfterHostTimeout:
        channel.sendAfterHostTimeout(bytes, emission.bytes.size());
        break;
      case Emission::When::DropLine:
        channel.drop();
        return;
    }
  }
}

}  // namespace sim
