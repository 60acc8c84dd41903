// The port layer's table of open ports and the operations on it. Settings are
// checked here once for every backend; the backends only do the input/output.

#include "device/serial_port.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <string>
#include <thread>
#include <utility>

#include "device/net_port.h"
#include "device/port_map.h"
#include "device/serial_channel.h"

namespace rs232 {

double PortBackend::clockSeconds() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

void PortBackend::pause(std::chrono::microseconds duration) {
  std::this_thread::sleep_for(duration);
}

bool PortBackend::gone() { return outputQueueLength() == kGone; }

double CharacterSeconds(const LineSettings& settings) {
  const int bits = 1 + settings.dataBits + (settings.parity == Parity::None ? 0 : 1) + settings.stopBits;
  return settings.baud > 0 ? static_cast<double>(bits) / static_cast<double>(settings.baud) : 0.0;
}

int PollMilliseconds(double secondsLeft) {
  if (secondsLeft <= 0.0) return 0;
  const double ms = std::ceil(secondsLeft * 1000.0);
  return ms >= static_cast<double>(INT_MAX) ? INT_MAX : static_cast<int>(ms);
}

namespace {

// A port whose far end is an in-process channel; waits run on its virtual clock.
class ChannelBackend final : public PortBackend {
 public:
  explicit ChannelBackend(std::shared_ptr<Channel> channel) : channel_(std::move(channel)) {}
  int setTimeout(double) override { return channel_->dropped() ? kGone : kOk; }
  int flushInput() override { return channel_->hostFlushInput(); }
  int flushOutput() override { return channel_->hostFlushOutput(); }
  int write(const std::uint8_t* data, int count) override {
    return channel_->hostWrite(data, count);
  }
  int outputQueueLength() override { return channel_->hostOutQueueLength(); }
  int readByte(double timeoutSeconds) override { return channel_->hostReadByte(timeoutSeconds); }
  double clockSeconds() override { return channel_->now(); }
  void pause(std::chrono::microseconds duration) override {
    channel_->hostPause(std::chrono::duration<double>(duration).count());
  }

 private:
  std::shared_ptr<Channel> channel_;
};

struct OpenPort {
  std::unique_ptr<PortBackend> backend;
  double timeout = kDefaultComTime;
  double characterSeconds = 0.0;  // line time of one character at the port's settings
  double lineFreeAt = 0.0;        // backend's clock: the last byte written has crossed the line
  int lastOpenError = kOk;        // kept when the port closes, for LastOpenError
};

std::array<OpenPort, kMaxPort + 1>& Ports() {
  static std::array<OpenPort, kMaxPort + 1> ports;
  return ports;
}

// Remembers the open's outcome for LastOpenError and passes it on.
int OpenOutcome(int port, int error) {
  Ports()[static_cast<std::size_t>(port)].lastOpenError = error;
  return error;
}

TraceFn& Trace() {
  static TraceFn trace;
  return trace;
}

// The port's entry when it is open, else null and the error that an
// operation on it returns.
std::pair<OpenPort*, int> LookUp(int port) {
  if (!ValidPortNumber(port)) return {nullptr, kInvalidPort};
  OpenPort& entry = Ports()[static_cast<std::size_t>(port)];
  if (!entry.backend) return {nullptr, kNotOpen};
  return {&entry, kOk};
}

// Polls the output queue until it is empty, pausing between polls: kOk, the
// port's error, or kTimeout at the deadline (on the backend's clock).
int Drain(PortBackend& backend, double deadline) {
  for (;;) {
    const int queued = backend.outputQueueLength();
    if (queued <= 0) return queued;
    if (backend.clockSeconds() >= deadline) return kTimeout;
    backend.pause(std::chrono::milliseconds(1));
  }
}

bool ValidSettings(const LineSettings& s) {
  static constexpr long kRates[] = {110,  300,   600,   1200,  2400,  4800,
                                    9600, 19200, 38400, 57600, 115200};
  const bool rateOk = std::find(std::begin(kRates), std::end(kRates), s.baud) != std::end(kRates);
  return rateOk && s.dataBits >= 5 && s.dataBits <= 8 && s.stopBits >= 1 && s.stopBits <= 2 &&
         s.inputQueue >= 0 && s.outputQueue >= 0;
}

}  // namespace

void SetTrace(TraceFn trace) { Trace() = std::move(trace); }

int OpenComConfig(int port, const LineSettings& settings) {
  if (!ValidPortNumber(port)) return kInvalidPort;
  if (!ValidSettings(settings)) return OpenOutcome(port, kSettings);
  CloseCom(port);
  std::unique_ptr<PortBackend> backend;
  int error = kOk;
  if (auto channel = AttachedChannel(port)) {
    backend = std::make_unique<ChannelBackend>(std::move(channel));
  } else {
    const std::string address = NetworkAddressForPort(port);
    backend = address.empty() ? OpenPlatformPort(port, settings, error)
                              : OpenNetworkPort(address, settings, error);
    if (!backend) return OpenOutcome(port, error < 0 ? error : kIo);
  }
  error = backend->setTimeout(kDefaultComTime);
  if (error < 0) return OpenOutcome(port, error);
  OpenPort& entry = Ports()[static_cast<std::size_t>(port)];
  entry.backend = std::move(backend);
  entry.timeout = kDefaultComTime;
  entry.characterSeconds = CharacterSeconds(settings);
  entry.lineFreeAt = 0.0;
  return OpenOutcome(port, kOk);
}

int LastOpenError(int port) {
  return ValidPortNumber(port) ? Ports()[static_cast<std::size_t>(port)].lastOpenError : kOk;
}

int CloseCom(int port) {
  const auto [entry, error] = LookUp(port);
  if (!entry) return error;
  entry->backend.reset();
  return kOk;
}

int SetComTime(int port, double seconds) {
  const auto [entry, error] = LookUp(port);
  if (!entry) return error;
  if (!std::isfinite(seconds) || seconds < 0.0) return kInvalidArgument;
  const int refused = entry->backend->setTimeout(seconds);
  if (refused < 0) return refused;
  entry->timeout = seconds;
  return kOk;
}

int FlushInQ(int port) {
  const auto [entry, error] = LookUp(port);
  return entry ? entry->backend->flushInput() : error;
}

int FlushOutQ(int port) {
  const auto [entry, error] = LookUp(port);
  return entry ? entry->backend->flushOutput() : error;
}

int ComWrt(int port, const void* data, int count) {
  const auto [entry, error] = LookUp(port);
  if (!entry) return error;
  if (count < 0 || (data == nullptr && count > 0)) return kInvalidArgument;
  if (count == 0) return 0;
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  const int written = entry->backend->write(bytes, count);
  if (written <= 0) return written;
  const int taken = std::min(written, count);
  // The bytes leave one after another once those written before have left.
  entry->lineFreeAt =
      std::max(entry->backend->clockSeconds(), entry->lineFreeAt) + taken * entry->characterSeconds;
  if (Trace()) Trace()(port, Direction::Sent, bytes, taken);
  return written;
}

int GetOutQLen(int port) {
  const auto [entry, error] = LookUp(port);
  return entry ? entry->backend->outputQueueLength() : error;
}

int ComRdByte(int port) {
  const auto [entry, error] = LookUp(port);
  if (!entry) return error;
  const int byte = entry->backend->readByte(entry->timeout);
  if (byte >= 0 && Trace()) {
    const auto b = static_cast<std::uint8_t>(byte);
    Trace()(port, Direction::Received, &b, 1);
  }
  return byte;
}

int WaitOutQEmpty(int port, int frameBytes) {
  const auto [entry, error] = LookUp(port);
  if (!entry) return error;
  // The frame needs its line time to leave; the time-out covers the rest.
  const double lineTime = std::max(0, frameBytes) * entry->characterSeconds;
  return Drain(*entry->backend, entry->backend->clockSeconds() + lineTime + entry->timeout);
}

int WaitUntilSent(int port) {
  const auto [entry, error] = LookUp(port);
  if (!entry) return error;
  PortBackend& backend = *entry->backend;
  const std::chrono::duration<double> left(entry->lineFreeAt - backend.clockSeconds());
  if (left.count() > 0.0) backend.pause(std::chrono::ceil<std::chrono::microseconds>(left));
  return Drain(backend, backend.clockSeconds() + entry->timeout);
}

bool PortGone(int port) {
  OpenPort* entry = LookUp(port).first;
  return entry && entry->backend->gone();
}

}  // namespace rs232
