#pragma once
// The client's side of a Telnet session with the COM-PORT option (RFC 2217),
// as this program speaks it to a serial device server: what it sends, and
// the state machine that takes every byte the server sends. No sockets and
// no clock here, so that a fuzzer can feed it whatever a server could send.
//
// The session runs in binary mode both ways: data bytes pass unchanged but
// for 0xFF (IAC), which is doubled. Setting the line and purging the
// server's buffers are subnegotiations that the server answers. A purge is
// answered in stream order, so data that reaches the client before the
// answer to a purge of the receive buffer is data the purge meant to throw
// away: the client drops it, and no extra round trip is needed before the
// next command goes out.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "device/serial_port.h"

namespace rs232 {

using Bytes = std::vector<std::uint8_t>;

class TelnetComPort {
 public:
  enum class Setup { Waiting, Ready, Refused };

  // WILL and DO binary, WILL COM-PORT-OPTION: the opening of the session.
  void begin(Bytes& out);
  // The server has agreed to the COM-PORT option; settings may follow.
  bool comPortAgreed() const { return local_[kComPortOption].enabled; }
  // Asks for the line settings and no flow control, and purges both buffers.
  void requestSettings(const LineSettings& settings, Bytes& out);
  // Ready once the server has confirmed binary mode both ways, the option,
  // every setting asked for and the purge; Refused when it declined one.
  Setup setup() const;

  void purgeReceiveBuffer(Bytes& out);
  void purgeTransmitBuffer(Bytes& out);
  static void appendData(const std::uint8_t* data, std::size_t count, Bytes& out);

  // Takes bytes from the server: data for the port goes to `data`, what the
  // negotiation owes the server to `out`.
  void receive(const std::uint8_t* bytes, std::size_t count, Bytes& data, Bytes& out);

 private:
  static constexpr int kOptions = 256;
  static constexpr std::uint8_t kComPortOption = 44;
  enum class State { Data, Command, Option, SubOption, SubData, SubCommand };
  struct OptionState {
    bool enabled = false;
    bool requested = false;  // asked for, the answer still open
    bool refused = false;    // asked for and declined
  };

  void afterIac(std::uint8_t byte, Bytes& data);
  void negotiate(std::uint8_t verb, std::uint8_t option, Bytes& out);
  void subnegotiation();
  void takeData(std::uint8_t byte, Bytes& data) const;

  State state_ = State::Data;
  std::uint8_t verb_ = 0;
  std::uint8_t subOption_ = 0;
  Bytes sub_;  // the subnegotiation's bytes after the option
  OptionState local_[kOptions];   // what this side WILL do
  OptionState remote_[kOptions];  // what the server WILL do
  int purgesOpen_ = 0;            // purges of the receive buffer not answered yet

  struct Requested {
    std::uint32_t baud = 0;
    std::uint8_t dataSize = 0, parity = 0, stopSize = 0, flow = 0;
  };
  std::optional<Requested> requested_;
  std::optional<std::uint32_t> baud_;
  std::optional<std::uint8_t> dataSize_, parity_, stopSize_, flow_;
};

}  // namespace rs232
