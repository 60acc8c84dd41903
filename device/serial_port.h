#pragma once
// Serial port layer: the operations the protocol driver needs, addressed by the
// COM port number (1..256), as the program names ports everywhere.
//
// A port is served by one of these backends:
//   - the platform's serial device (termios on POSIX, Win32 on Windows; CMake
//     picks the source file), found through the port map;
//   - a serial device server on the network (net_port.h) when the port map
//     names an address for the port number;
//   - an in-process channel (serial_channel.h) when one is attached to the
//     port number: tests and the in-process simulator use it.
// Every failure is one of the portable PortError kinds below (negative).

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

namespace rs232 {

enum PortError : int {
  kOk = 0,
  kInvalidPort = -1,   // port number outside 1..256
  kNotFound = -2,      // no device behind the port number
  kPermission = -3,    // access denied
  kBusy = -4,          // another program has the port
  kGone = -5,          // the device went away (adapter unplugged, hang-up)
  kTimeout = -6,       // nothing arrived within the time-out
  kNotOpen = -7,       // the port is not open
  kSettings = -8,      // the line settings were refused
  kIo = -9,            // any other input/output failure
  kInvalidArgument = -10,  // a null buffer, a negative count or time-out
};

enum class Parity { None, Odd, Even };

struct LineSettings {
  long baud = 9600;
  Parity parity = Parity::Odd;
  int dataBits = 7;
  int stopBits = 1;
  int inputQueue = 512;
  int outputQueue = 512;
};

constexpr int kMinPort = 1;
constexpr int kMaxPort = 256;
constexpr bool ValidPortNumber(int port) { return port >= kMinPort && port <= kMaxPort; }
// Time-out of a port that has just been opened (the session sets its own at once).
constexpr double kDefaultComTime = 10.0;

// Opens the port with the settings. An already open port is closed first.
int OpenComConfig(int port, const LineSettings& settings);
int CloseCom(int port);
// Why the last OpenComConfig of the port failed; kOk after a success, before
// any attempt and for a bad port number. The driver's open code does not say
// it, the operator's message does (open_failure.h).
int LastOpenError(int port);
// Time-out for every later wait on the port (read one byte, write, drain).
// Until it is set, a freshly opened port waits kDefaultComTime.
int SetComTime(int port, double seconds);
int FlushInQ(int port);
int FlushOutQ(int port);
// Hands `count` bytes to the output queue: the number taken, or an error.
int ComWrt(int port, const void* data, int count);
// Bytes still waiting to be sent, or an error.
int GetOutQLen(int port);
// Waits up to the time-out for one byte: the byte (0..255), or an error.
int ComRdByte(int port);
// Waits until the output queue is empty without spinning the CPU. Fails with
// the port's error when it breaks, and with kTimeout when the queue has not
// emptied within the line time of `frameBytes` plus the port's time-out.
int WaitOutQEmpty(int port, int frameBytes);
// Waits until every byte written to the port has had its line time since it
// was handed over (each byte after the one before), then until the output
// queue is empty. Where no answer follows, this is the only proof that a
// frame has left: a pseudo-terminal, and a UART for the bytes in its
// hardware FIFO, report an empty queue while bytes are still on their way,
// and a flush would throw them away. Fails as WaitOutQEmpty does.
int WaitUntilSent(int port);
// True when the port is open and its device has gone (an adapter pulled out,
// the far end hung up), found without touching the line.
bool PortGone(int port);

// Line time of one character: start bit, data bits, parity bit if any and
// stop bits at the speed; 7-O-1 at 9600 baud takes 10 bits, 1.04 ms.
double CharacterSeconds(const LineSettings& settings);

// The seconds left of a wait as poll() takes them: whole milliseconds rounded
// up, so that a wait never ends a little early and turns into a busy loop.
int PollMilliseconds(double secondsLeft);

// Optional observer of every byte that crosses a port (velt1ctl --trace).
enum class Direction { Sent, Received };
using TraceFn = std::function<void(int port, Direction, const std::uint8_t* data, int count)>;
void SetTrace(TraceFn trace);

// One open port, whatever carries it.
class PortBackend {
 public:
  virtual ~PortBackend() = default;
  virtual int setTimeout(double seconds) = 0;
  virtual int flushInput() = 0;
  virtual int flushOutput() = 0;
  virtual int write(const std::uint8_t* data, int count) = 0;
  virtual int outputQueueLength() = 0;
  virtual int readByte(double timeoutSeconds) = 0;
  // The clock that bounds the drain wait, and a pause between two polls of it;
  // the in-process channel runs both on its virtual clock.
  virtual double clockSeconds();
  virtual void pause(std::chrono::microseconds duration);
  // Whether the device behind the open port has gone; by default, when the
  // output queue can no longer be read for that reason.
  virtual bool gone();
};

// The platform's serial device for the port number (serial_port_posix.cpp or
// serial_port_win32.cpp). On failure returns null and sets `error`.
std::unique_ptr<PortBackend> OpenPlatformPort(int port, const LineSettings& settings, int& error);

}  // namespace rs232
