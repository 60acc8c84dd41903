// velt1ctl --trace on the port layer: every byte of a reply is shown, NUL
// bytes too, one line per reply.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "ctl_trace.h"
#include "device/qorvelt1.h"
#include "device/serial_channel.h"
#include "device/serial_port.h"

namespace {

// Answers every frame with ACK and a reply that holds a NUL byte.
class NulReplyPeer : public rs232::ChannelPeer {
 public:
  void received(const std::uint8_t*, std::size_t, rs232::Channel& channel) override {
    static const std::uint8_t reply[] = {0x06, '#', '1', 'Q', 0x00, 'R', 0x0D};
    channel.send(reply, sizeof reply);
  }
};

TEST(CtlTrace, ShowsNulBytesOfAReply) {
  constexpr int kPort = 9;
  rs232::AttachChannel(kPort, std::make_shared<NulReplyPeer>());
  std::FILE* out = std::tmpfile();
  ASSERT_NE(out, nullptr);
  {
    ByteTrace trace(out);
    InstallTrace(trace);
    ASSERT_EQ(QORVELT1_Open(kPort, 9600), 0);
    char id[32] = {};
    QORVELT1_IDLesen(kPort, '1', id);
    QORVELT1_Close(kPort);
    rs232::SetTrace(nullptr);
  }
  rs232::DetachChannel(kPort);
  std::rewind(out);
  std::string text;
  for (int c; (c = std::fgetc(out)) != EOF;) text += static_cast<char>(c);
  std::fclose(out);
  EXPECT_NE(text.find("] -> 23 31 49 44 52 0D  #1IDR.\n"), std::string::npos) << text;
  EXPECT_NE(text.find("] <- 06  .\n"), std::string::npos) << text;
  EXPECT_NE(text.find("] <- 23 31 51 00 52 0D  #1Q.R.\n"), std::string::npos) << text;
}

}  // namespace
