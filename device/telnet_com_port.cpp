#include "device/telnet_com_port.h"

namespace rs232 {
namespace {

constexpr std::uint8_t kIac = 255;
constexpr std::uint8_t kDont = 254;
constexpr std::uint8_t kDo = 253;
constexpr std::uint8_t kWont = 252;
constexpr std::uint8_t kWill = 251;
constexpr std::uint8_t kSb = 250;
constexpr std::uint8_t kSe = 240;

constexpr std::uint8_t kBinary = 0;
constexpr std::uint8_t kSuppressGoAhead = 3;
constexpr std::uint8_t kComPort = 44;

// COM-PORT-OPTION commands of the client; the server answers with the same
// code plus 100.
constexpr std::uint8_t kSetBaudRate = 1;
constexpr std::uint8_t kSetDataSize = 2;
constexpr std::uint8_t kSetParity = 3;
constexpr std::uint8_t kSetStopSize = 4;
constexpr std::uint8_t kSetControl = 5;
constexpr std::uint8_t kPurgeData = 12;
constexpr std::uint8_t kServerAnswer = 100;

constexpr std::uint8_t kNoFlowControl = 1;  // SET-CONTROL values 1..3 are the flow control
constexpr std::uint8_t kLastFlowControl = 3;
constexpr std::uint8_t kPurgeReceive = 1;
constexpr std::uint8_t kPurgeTransmit = 2;
constexpr std::uint8_t kPurgeBoth = 3;

// Longest subnegotiation kept; the answers this client reads are shorter,
// the rest (a long signature) is cut.
constexpr std::size_t kSubMax = 16;

// Options this side does, and options it lets the server do.
bool LocalSupported(std::uint8_t option) {
  return option == kBinary || option == kSuppressGoAhead || option == kComPort;
}
bool RemoteSupported(std::uint8_t option) { return option == kBinary || option == kSuppressGoAhead; }

void Append(Bytes& out, std::initializer_list<std::uint8_t> bytes) { out.insert(out.end(), bytes); }

// IAC SB COM-PORT-OPTION command value IAC SE, IAC in the value doubled.
void SubCommand(Bytes& out, std::uint8_t command, std::initializer_list<std::uint8_t> value) {
  Append(out, {kIac, kSb, kComPort, command});
  TelnetComPort::appendData(value.begin(), value.size(), out);
  Append(out, {kIac, kSe});
}

std::uint8_t ParityCode(Parity parity) {
  switch (parity) {
    case Parity::Odd: return 2;
    case Parity::Even: return 3;
    default: return 1;
  }
}

}  // namespace

void TelnetComPort::begin(Bytes& out) {
  Append(out, {kIac, kWill, kBinary, kIac, kDo, kBinary, kIac, kWill, kComPort});
  local_[kBinary].requested = true;
  remote_[kBinary].requested = true;
  local_[kComPort].requested = true;
}

void TelnetComPort::requestSettings(const LineSettings& settings, Bytes& out) {
  Requested r;
  r.baud = static_cast<std::uint32_t>(settings.baud);
  r.dataSize = static_cast<std::uint8_t>(settings.dataBits);
  r.parity = ParityCode(settings.parity);
  r.stopSize = static_cast<std::uint8_t>(settings.stopBits);
  r.flow = kNoFlowControl;
  requested_ = r;
  SubCommand(out, kSetBaudRate,
             {static_cast<std::uint8_t>(r.baud >> 24), static_cast<std::uint8_t>(r.baud >> 16),
              static_cast<std::uint8_t>(r.baud >> 8), static_cast<std::uint8_t>(r.baud)});
  SubCommand(out, kSetDataSize, {r.dataSize});
  SubCommand(out, kSetParity, {r.parity});
  SubCommand(out, kSetStopSize, {r.stopSize});
  SubCommand(out, kSetControl, {r.flow});
  // DTR and RTS stay as the server has them: the device uses neither, and
  // some servers cannot set them (ser2net on a pseudo-terminal).
  SubCommand(out, kPurgeData, {kPurgeBoth});
  ++purgesOpen_;
}

TelnetComPort::Setup TelnetComPort::setup() const {
  if (local_[kBinary].refused || remote_[kBinary].refused || local_[kComPort].refused) return Setup::Refused;
  if (!requested_) return Setup::Waiting;
  const Requested& r = *requested_;
  if ((baud_ && *baud_ != r.baud) || (dataSize_ && *dataSize_ != r.dataSize) ||
      (parity_ && *parity_ != r.parity) || (stopSize_ && *stopSize_ != r.stopSize) ||
      (flow_ && *flow_ != r.flow)) {
    return Setup::Refused;
  }
  const bool agreed = local_[kBinary].enabled && remote_[kBinary].enabled && local_[kComPort].enabled;
  const bool answered = baud_ && dataSize_ && parity_ && stopSize_ && flow_ && purgesOpen_ == 0;
  return agreed && answered ? Setup::Ready : Setup::Waiting;
}

void TelnetComPort::purgeReceiveBuffer(Bytes& out) {
  SubCommand(out, kPurgeData, {kPurgeReceive});
  ++purgesOpen_;
}

void TelnetComPort::purgeTransmitBuffer(Bytes& out) { SubCommand(out, kPurgeData, {kPurgeTransmit}); }

void TelnetComPort::appendData(const std::uint8_t* data, std::size_t count, Bytes& out) {
  for (std::size_t i = 0; i < count; ++i) {
    out.push_back(data[i]);
    if (data[i] == kIac) out.push_back(kIac);
  }
}

void TelnetComPort::receive(const std::uint8_t* bytes, std::size_t count, Bytes& data, Bytes& out) {
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint8_t b = bytes[i];
    switch (state_) {
      case State::Data:
        if (b == kIac) state_ = State::Command;
        else takeData(b, data);
        break;
      case State::Command:
        afterIac(b, data);
        break;
      case State::Option:
        negotiate(verb_, b, out);
        state_ = State::Data;
        break;
      case State::SubOption:
        subOption_ = b;
        sub_.clear();
        state_ = State::SubData;
        break;
      case State::SubData:
        if (b == kIac) state_ = State::SubCommand;
        else if (sub_.size() < kSubMax) sub_.push_back(b);
        break;
      case State::SubCommand:
        if (b == kIac) {
          if (sub_.size() < kSubMax) sub_.push_back(kIac);
          state_ = State::SubData;
        } else if (b == kSe) {
          subnegotiation();
          state_ = State::Data;
        } else {
          afterIac(b, data);  // a subnegotiation cut short by another command
        }
        break;
    }
  }
}

void TelnetComPort::takeData(std::uint8_t byte, Bytes& data) const {
  if (purgesOpen_ == 0) data.push_back(byte);
}

void TelnetComPort::afterIac(std::uint8_t byte, Bytes& data) {
  state_ = State::Data;
  if (byte == kIac) {
    takeData(kIac, data);
  } else if (byte >= kWill && byte <= kDont) {
    verb_ = byte;
    state_ = State::Option;
  } else if (byte == kSb) {
    state_ = State::SubOption;
  }
  // Anything else (NOP, GA, a data mark) carries nothing for a serial line.
}

// RFC 854's rules: agree to what this side supports, refuse the rest, and
// never answer a confirmation, so that two sides cannot loop.
void TelnetComPort::negotiate(std::uint8_t verb, std::uint8_t option, Bytes& out) {
  const bool enable = verb == kWill || verb == kDo;
  const bool local = verb == kDo || verb == kDont;
  OptionState& s = local ? local_[option] : remote_[option];
  const bool supported = local ? LocalSupported(option) : RemoteSupported(option);
  const std::uint8_t yes = local ? kWill : kDo;
  const std::uint8_t no = local ? kWont : kDont;
  const bool asked = s.requested;
  s.requested = false;
  if (enable) {
    if (s.enabled) return;
    if (!supported) {
      Append(out, {kIac, no, option});
      return;
    }
    s.enabled = true;
    if (!asked) Append(out, {kIac, yes, option});
  } else if (s.enabled) {
    s.enabled = false;
    Append(out, {kIac, no, option});
  } else if (asked) {
    s.refused = true;
  }
}

void TelnetComPort::subnegotiation() {
  if (subOption_ != kComPort || sub_.size() < 2 || sub_[0] < kServerAnswer) return;
  const std::uint8_t value = sub_[1];
  switch (sub_[0] - kServerAnswer) {
    case kSetBaudRate:
      if (sub_.size() >= 5) {
        baud_ = static_cast<std::uint32_t>(sub_[1]) << 24 | static_cast<std::uint32_t>(sub_[2]) << 16 |
                static_cast<std::uint32_t>(sub_[3]) << 8 | sub_[4];
      }
      break;
    case kSetDataSize: dataSize_ = value; break;
    case kSetParity: parity_ = value; break;
    case kSetStopSize: stopSize_ = value; break;
    case kSetControl:
      // Answers about DTR, RTS or a break are no concern of this line.
      if (value >= kNoFlowControl && value <= kLastFlowControl) flow_ = value;
      break;
    case kPurgeData:
      if ((value & kPurgeReceive) != 0 && purgesOpen_ > 0) --purgesOpen_;
      break;
    default:
      break;  // line and modem state notifications, the signature
  }
}

}  // namespace rs232
