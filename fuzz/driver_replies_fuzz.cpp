// The driver's handling of device replies: the fuzzer chooses an operation and
// the bytes the device answers with, delivered through the in-process channel
// on its virtual clock (part at once, the rest after the host's time-out).
// Every operation must end with 0 or a code of the message table, send at
// most its one frame, and keep every output inside its buffer.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "device/qorvelt1.h"
#include "device/serial_channel.h"
#include "support/qor_error_table.h"

namespace {

constexpr int kPort = 77;

// Answers the first frame with the fuzzer's bytes; stays silent after that.
class FuzzPeer : public rs232::ChannelPeer {
 public:
  FuzzPeer(std::string now, std::string late) : now_(std::move(now)), late_(std::move(late)) {}
  void received(const std::uint8_t*, std::size_t, rs232::Channel& channel) override {
    if (answered_) return;
    answered_ = true;
    channel.send(reinterpret_cast<const std::uint8_t*>(now_.data()), now_.size());
    if (!late_.empty())
      channel.sendAfterHostTimeout(reinterpret_cast<const std::uint8_t*>(late_.data()), late_.size());
  }

 private:
  std::string now_, late_;
  bool answered_ = false;
};

const char* const kKeywords[] = {
    "programmname",     "pruefspannungsquelle",       "pruefspannung",
    "anzahlzaehne",     "sensorkanaele",              "toleranzhigh",
    "toleranzlow",      "toleranzphase",              "schwellwertsteigendeflanke",
    "schwellwertfallendeflanke", "totzeitvorsteigend", "totzeitnachsteigend",
    "totzeitvorfallend", "totzeitnachfallend",        "status"};
constexpr int kKeywordCount = sizeof kKeywords / sizeof kKeywords[0];

void Check(bool condition) {
  if (!condition) std::abort();
}

// A code is 0 or names a message of the table.
void CheckCode(int code) {
  if (code == 0) return;
  Check(code < 0 && code / 1000 < 0);
  Check(qor_error::MeldungSuchen(code / 1000) != nullptr);
}

int RunOperation(std::uint8_t selector, std::uint8_t argument, char adresse) {
  const int keyword = argument % kKeywordCount;
  switch (selector % 9) {
    case 0: {
      char id[64];
      std::memset(id, '~', sizeof id);
      const int code = QORVELT1_IDLesen(kPort, adresse, id);
      if (code == 0) Check(std::memchr(id, '\0', 27) != nullptr);
      Check(id[27] == '~' || std::memchr(id, '\0', 28) != nullptr);
      return code;
    }
    case 1:
      return QORVELT1_DeviceFunction(kPort, adresse, argument & 1 ? "stopp" : "start");
    case 2:
      return QORVELT1_ProgrammSpeichern(kPort, adresse, argument % 18);
    case 3:
      return QORVELT1_ProgrammLaden(kPort, adresse, argument % 18);
    case 4: {
      double wert = -1;
      int status = -1;
      char name[40];
      std::memset(name, '~', sizeof name);
      const int code = QORVELT1_ParameterLesen(kPort, adresse, kKeywords[keyword], &wert, &status, name);
      if (code == 0 && keyword == 0) Check(std::memchr(name, '\0', 26) != nullptr);
      Check(name[26] == '~' || std::memchr(name, '\0', 26) != nullptr);
      return code;
    }
    case 5:
      return QORVELT1_ParameterSchreiben(kPort, adresse, kKeywords[keyword], argument / 2.0, 0,
                                         "Programm\x01\r#1DF1");
    case 6: {
      const int size = 1 + argument % 40;
      std::vector<unsigned char> daten(static_cast<std::size_t>(size) + 8, 0xA5);
      const int code = QORORM1_SpeicherLesen(kPort, adresse, 4, 0xFFF0, size, daten.data());
      for (std::size_t i = static_cast<std::size_t>(size); i < daten.size(); ++i) Check(daten[i] == 0xA5);
      return code;
    }
    case 7: {
      const unsigned char daten[8] = {0, 1, 2, 0x0D, 0x23, 0x7F, 0x80, 0xFF};
      return QORORM1_SpeicherSchreiben(kPort, adresse, 4, 0x1000, 1 + argument % 8, daten);
    }
    default: {
      int status = 0;
      return QORVELT1_ParameterLesen(kPort, adresse, "status", nullptr, &status, nullptr);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  const std::uint8_t selector = data[0], argument = data[1];
  const char adresse = "123456789abcdef&0"[data[2] % 17];
  const std::size_t split = data[3];
  const std::string reply(reinterpret_cast<const char*>(data + 4), size - 4);
  const std::size_t now = split < reply.size() ? split : reply.size();

  auto peer = std::make_shared<FuzzPeer>(reply.substr(0, now), reply.substr(now));
  auto channel = rs232::AttachChannel(kPort, peer);
  Check(QORVELT1_Open(kPort, QORVELT1_BAUD) == 0);
  Check(QORVELT1_Timeout(kPort, QORVELT1_ZEITLIMIT_SEKUNDEN) == 0);
  CheckCode(RunOperation(selector, argument, adresse));
  // One frame at most: a frame ends with its CR, and nothing follows it.
  const std::vector<std::uint8_t>& written = channel->written();
  std::size_t carriageReturns = 0;
  for (std::uint8_t byte : written) carriageReturns += byte == '\r';
  Check(carriageReturns <= 1);
  Check(written.empty() || written.back() == '\r');
  QORVELT1_Close(kPort);
  rs232::DetachChannel(kPort);
  return 0;
}
