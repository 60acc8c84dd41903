#include "device/net_port.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

#include "device/net_address.h"
#include "device/net_socket.h"
#include "device/telnet_com_port.h"

namespace rs232 {
namespace {

// Reaching the server, and then agreeing on the line, each take at most this
// long: a host that does not answer is an error within seconds, not a hang.
constexpr double kConnectSeconds = 3.0;
constexpr std::size_t kReceiveChunk = 512;

class NetworkPort final : public PortBackend {
 public:
  NetworkPort(std::unique_ptr<NetSocket> socket, bool rfc2217, const LineSettings& settings)
      : socket_(std::move(socket)),
        rfc2217_(rfc2217),
        charSeconds_(CharacterSeconds(settings)),
        dataMask_(static_cast<std::uint8_t>((1u << settings.dataBits) - 1)) {}

  // RFC 2217: binary mode, the COM-PORT option, then the line settings.
  int negotiate(const LineSettings& settings) {
    double deadline = NetSeconds() + kConnectSeconds;
    protocol_.begin(out_);
    bool asked = false;
    for (;;) {
      if (!asked && protocol_.comPortAgreed()) {
        protocol_.requestSettings(settings, out_);
        asked = true;
        deadline = NetSeconds() + kConnectSeconds;
      }
      const TelnetComPort::Setup setup = protocol_.setup();
      if (setup == TelnetComPort::Setup::Refused) return kSettings;
      if (setup == TelnetComPort::Setup::Ready) break;
      const int error = pump(deadline);
      // A server that serves one client at a time says so and hangs up.
      if (error == kGone) return kBusy;
      if (error == kTimeout) return kSettings;  // it does not speak the option
      if (error < 0) return error;
    }
    data_.clear();  // a greeting, or what the purge did not reach yet
    next_ = 0;
    return kOk;
  }

  int setTimeout(double seconds) override {
    timeout_ = seconds;
    return gone_ ? kGone : kOk;
  }

  // The server's buffers are purged in stream order: the purge goes out with
  // the next frame, and what arrives before its answer is dropped.
  int flushInput() override {
    const int error = takeArrived();
    if (error < 0) return error;
    data_.clear();
    next_ = 0;
    if (rfc2217_) protocol_.purgeReceiveBuffer(out_);
    return kOk;
  }

  int flushOutput() override {
    if (gone_) return kGone;
    if (rfc2217_) protocol_.purgeTransmitBuffer(out_);
    lineFreeAt_ = NetSeconds();
    return kOk;
  }

  int write(const std::uint8_t* data, int count) override {
    if (rfc2217_) {
      TelnetComPort::appendData(data, static_cast<std::size_t>(count), out_);
    } else {
      out_.insert(out_.end(), data, data + count);
    }
    const int error = sendPending();
    if (error < 0) return error;
    lineFreeAt_ = std::max(lineFreeAt_, NetSeconds()) + count * charSeconds_;
    return count;
  }

  // Nothing reports what the server's line still has to send, so the queue
  // holds what the line time of the bytes written says it holds.
  int outputQueueLength() override {
    const int error = takeArrived();
    if (error < 0) return error;
    const double left = lineFreeAt_ - NetSeconds();
    return left > 0.0 ? static_cast<int>(std::ceil(left / charSeconds_)) : 0;
  }

  // Between two looks at the queue, sleep until the line time is over: the
  // bytes cannot have left before, and each look costs system calls.
  void pause(std::chrono::microseconds duration) override {
    const auto lineLeft = std::chrono::duration<double>(lineFreeAt_ - NetSeconds());
    std::this_thread::sleep_for(std::max<std::chrono::duration<double>>(duration, lineLeft));
  }

  // Data that arrived before the connection was lost is read first.
  int readByte(double timeoutSeconds) override {
    const double deadline = NetSeconds() + timeoutSeconds;
    while (next_ == data_.size()) {
      const int error = pump(deadline);
      if (next_ < data_.size()) break;
      if (error < 0) return error;
    }
    return data_[next_++] & dataMask_;
  }

 private:
  int sendPending() {
    if (gone_) return kGone;
    if (out_.empty()) return kOk;
    const int error = socket_->sendAll(out_.data(), out_.size(), NetSeconds() + timeout_);
    out_.clear();
    if (error != kOk) gone_ = true;  // cut in the middle of a command: the stream is lost
    return error;
  }

  // Sends what is pending, waits for bytes from the server until the deadline
  // and takes them in: kOk when bytes came (data or not), kTimeout, kGone.
  int pump(double deadline) {
    int error = sendPending();
    if (error < 0) return error;
    std::uint8_t buffer[kReceiveChunk];
    const int received = socket_->receive(buffer, sizeof buffer, deadline);
    if (received == kGone) gone_ = true;
    if (received < 0) return received;
    if (next_ == data_.size()) {
      data_.clear();
      next_ = 0;
    }
    if (rfc2217_) {
      protocol_.receive(buffer, static_cast<std::size_t>(received), data_, out_);
    } else {
      data_.insert(data_.end(), buffer, buffer + received);
    }
    error = sendPending();  // answers the negotiation owes
    return error < 0 ? error : kOk;
  }

  // Takes in everything that has arrived, without waiting.
  int takeArrived() {
    int error = kOk;
    while ((error = pump(0.0)) == kOk) {
    }
    return error == kTimeout ? kOk : error;
  }

  std::unique_ptr<NetSocket> socket_;
  bool rfc2217_;
  double charSeconds_;
  std::uint8_t dataMask_;  // a 7-bit line carries no eighth bit
  double timeout_ = kDefaultComTime;
  bool gone_ = false;
  TelnetComPort protocol_;
  Bytes out_;   // for the server, not sent yet
  Bytes data_;  // from the line, not read yet
  std::size_t next_ = 0;
  double lineFreeAt_ = 0.0;  // when the bytes written will have left the server's line
};

}  // namespace

std::unique_ptr<PortBackend> OpenNetworkPort(const std::string& text, const LineSettings& settings,
                                             int& error) {
  NetAddress address;
  if (!ParseNetAddress(text, address)) {
    error = kNotFound;
    return nullptr;
  }
  auto socket = NetSocket::Connect(address.host, address.port, NetSeconds() + kConnectSeconds, error);
  if (!socket) return nullptr;
  auto port = std::make_unique<NetworkPort>(std::move(socket), address.rfc2217, settings);
  error = address.rfc2217 ? port->negotiate(settings) : kOk;
  if (error != kOk) return nullptr;
  return port;
}

}  // namespace rs232
