// The Telnet / COM-PORT-OPTION state machine of the network port: every byte
// a serial device server could send, after the client has opened the session
// and asked for the line settings, in pieces of a size the fuzzer chooses.
// Data never grows, every answer is one whole negotiation command, and data
// escaped for the wire comes back unchanged through a fresh session.

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "device/telnet_com_port.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::size_t piece = 1 + data[0] % 16;
  const std::uint8_t* bytes = data + 1;
  const std::size_t count = size - 1;

  rs232::TelnetComPort session;
  rs232::Bytes out;
  session.begin(out);
  session.requestSettings(rs232::LineSettings{}, out);
  out.clear();
  rs232::Bytes received;
  for (std::size_t i = 0; i < count; i += piece) session.receive(bytes + i, std::min(piece, count - i), received, out);
  Check(received.size() <= count);
  Check(out.size() % 3 == 0 && out.size() <= count);
  for (std::size_t i = 0; i < out.size(); i += 3) Check(out[i] == 0xFF && out[i + 1] >= 251 && out[i + 1] <= 254);
  const auto setup = session.setup();
  Check(setup == rs232::TelnetComPort::Setup::Waiting || setup == rs232::TelnetComPort::Setup::Ready ||
        setup == rs232::TelnetComPort::Setup::Refused);

  rs232::TelnetComPort fresh;
  rs232::Bytes wire, back, answers;
  rs232::TelnetComPort::appendData(bytes, count, wire);
  fresh.receive(wire.data(), wire.size(), back, answers);
  Check(back == rs232::Bytes(bytes, bytes + count) && answers.empty());
  return 0;
}
