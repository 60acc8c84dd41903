// The Telnet / COM-PORT-OPTION session byte for byte: what the client sends
// to open it and set the line, and what it makes of what a server sends.

#include "device/telnet_com_port.h"

#include <gtest/gtest.h>

#include <string>

namespace rs232 {
namespace {
using namespace std::string_literals;  // literals that keep their NUL bytes

Bytes B(const std::string& text) { return Bytes(text.begin(), text.end()); }

// ser2net's greeting, then its answers to the settings and the purge.
const std::string kGreeting = "\xFF\xFB\x03\xFF\xFD\x03\xFF\xFB\x01\xFF\xFE\x01\xFF\xFD\x00\xFF\xFB\x00\xFF\xFD\x2C"s;
const std::string kAnswers =
    "\xFF\xFA\x2C\x70\x03\xFF\xF0\xFF\xFA\x2C\x65\x00\x00\x25\x80\xFF\xF0\xFF\xFA\x2C\x66\x07\xFF\xF0"
    "\xFF\xFA\x2C\x67\x02\xFF\xF0\xFF\xFA\x2C\x68\x01\xFF\xF0\xFF\xFA\x2C\x69\x01\xFF\xF0"s;

TEST(TelnetComPort, SessionByteForByte) {
  TelnetComPort session;
  Bytes out;
  session.begin(out);
  EXPECT_EQ(out, B("\xFF\xFB\x00\xFF\xFD\x00\xFF\xFB\x2C"s));
  out.clear();
  session.requestSettings(LineSettings{}, out);  // 9600 baud, 7 data bits, odd, 1 stop bit
  EXPECT_EQ(out, B("\xFF\xFA\x2C\x01\x00\x00\x25\x80\xFF\xF0\xFF\xFA\x2C\x02\x07\xFF\xF0"
                   "\xFF\xFA\x2C\x03\x02\xFF\xF0\xFF\xFA\x2C\x04\x01\xFF\xF0\xFF\xFA\x2C\x05\x01\xFF\xF0"
                   "\xFF\xFA\x2C\x0C\x03\xFF\xF0"s));

  const struct {
    std::string fromServer;
    std::string data;     // what reaches the port
    std::string answers;  // what the client owes the server
    TelnetComPort::Setup setup;
  } steps[] = {
      // Agree to suppress-go-ahead, refuse the server's echo.
      {kGreeting, "", "\xFF\xFD\x03\xFF\xFB\x03\xFF\xFE\x01",
       TelnetComPort::Setup::Waiting},
      // Data ahead of the purge's answer is what the purge threw away.
      {"late" + kAnswers + "\x06", "\x06", "", TelnetComPort::Setup::Ready},
      {"#1\xFF\xFF\xFF\xF1\r", "#1\xFF\r", "", TelnetComPort::Setup::Ready},  // IAC doubled, a NOP
      {"\xFF\xFA\x2C\x67\x01\xFF\xF0", "", "", TelnetComPort::Setup::Refused},  // parity none
  };
  for (const auto& step : steps) {
    Bytes data;
    out.clear();
    session.receive(reinterpret_cast<const std::uint8_t*>(step.fromServer.data()), step.fromServer.size(), data, out);
    EXPECT_EQ(data, B(step.data)) << step.fromServer;
    EXPECT_EQ(out, B(step.answers)) << step.fromServer;
    EXPECT_EQ(session.setup(), step.setup) << step.fromServer;
  }
}

}  // namespace
}  // namespace rs232
