// The serial device on POSIX: termios in raw mode, non-blocking, every wait
// done with poll() against a deadline on the monotonic clock.

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#if defined(__linux__)
#include <sys/sysmacros.h>
#endif

#include "device/port_map.h"
#include "device/serial_low_latency.h"
#include "device/serial_port.h"
#include "device/termios_port_posix.h"
#include "device/tty_sysfs_posix.h"

namespace rs232 {
namespace {
namespace fs = std::filesystem;

double MonotonicSeconds() {
  timespec ts{};
  ::clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

int OpenError(int error) {
  switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
    case ENOTDIR:
    case ELOOP:
      return kNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
      return kPermission;
    case EBUSY:
    case EWOULDBLOCK:
      return kBusy;
    default:
      return kIo;
  }
}

// A failure of an operation on an open device: a vanished device is kGone.
int IoError(int error) {
  switch (error) {
    case EIO:
    case EPIPE:
    case ENXIO:
    case ENODEV:
    case EBADF:
      return kGone;
    default:
      return kIo;
  }
}

bool SpeedFor(long baud, speed_t& speed) {
  switch (baud) {
    case 110: speed = B110; return true;
    case 300: speed = B300; return true;
    case 600: speed = B600; return true;
    case 1200: speed = B1200; return true;
    case 2400: speed = B2400; return true;
    case 4800: speed = B4800; return true;
    case 9600: speed = B9600; return true;
    case 19200: speed = B19200; return true;
    case 38400: speed = B38400; return true;
    case 57600: speed = B57600; return true;
    case 115200: speed = B115200; return true;
    default: return false;
  }
}

tcflag_t DataBitsFlag(int dataBits) {
  switch (dataBits) {
    case 5: return CS5;
    case 6: return CS6;
    case 7: return CS7;
    default: return CS8;
  }
}

// A pseudo-terminal (the simulator's, a test's) keeps only some line
// settings; that is no reason to refuse it.
bool IsPseudoTerminal(int fd, const std::string& path) {
#if defined(__linux__)
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISCHR(st.st_mode)) {
    const unsigned int devMajor = major(st.st_rdev);
    if (devMajor >= 136 && devMajor <= 143) return true;  // Unix98 pty slaves
  }
#else
  (void)fd;
#endif
  char* real = ::realpath(path.c_str(), nullptr);
  if (real == nullptr) return false;
  const std::string resolved(real);
  std::free(real);
  return resolved.rfind("/dev/pts/", 0) == 0 || resolved.rfind("/dev/ttys", 0) == 0;
}

// What shows that the device behind an open port has gone: its node, and
// its sysfs entry where it has one. Empty paths are not watched.
struct DeviceTraces {
  fs::path node;
  fs::path sysfsEntry;
};

bool Vanished(const fs::path& path) {
  std::error_code ec;
  return !path.empty() && !fs::exists(path, ec) && !ec;
}

class TermiosPort final : public PortBackend {
 public:
  TermiosPort(int fd, TermiosIo io, DeviceTraces traces = {}, bool pseudoTerminal = false)
      : fd_(fd), io_(io), traces_(std::move(traces)), pseudoTerminal_(pseudoTerminal) {}
  ~TermiosPort() override {
    ::ioctl(fd_, TIOCNXCL);
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
  }
  TermiosPort(const TermiosPort&) = delete;
  TermiosPort& operator=(const TermiosPort&) = delete;

  int setTimeout(double seconds) override {
    timeout_ = seconds;
    return kOk;
  }

  int flushInput() override {
    received_.clear();
    next_ = 0;
    return ::tcflush(fd_, TCIFLUSH) == 0 ? kOk : IoError(errno);
  }
  int flushOutput() override {
    // A pseudo-terminal has no line: what it has taken is on its way to the
    // far end, as bytes on a wire are. Its output flush empties the buffer
    // that hands them over to the far end, which a busy machine may not have
    // emptied yet, and would lose a frame that a line delivers: one to every
    // device, which nobody answers, for instance.
    if (pseudoTerminal_) return kOk;
    return ::tcflush(fd_, TCOFLUSH) == 0 ? kOk : IoError(errno);
  }

  int write(const std::uint8_t* data, int count) override {
    const double deadline = MonotonicSeconds() + timeout_;
    int done = 0;
    while (done < count) {
      const ssize_t n = ::write(fd_, data + done, static_cast<std::size_t>(count - done));
      if (n > 0) {
        done += static_cast<int>(n);
        continue;
      }
      if (n < 0 && errno == EINTR) continue;
      if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) return IoError(errno);
      // The output queue is full: wait for room, at most until the time-out.
      const int ready = WaitFor(POLLOUT, deadline);
      if (ready == kTimeout) return done > 0 ? done : kTimeout;
      if (ready < 0) return ready;
    }
    return done;
  }

  int outputQueueLength() override {
    int queued = 0;
    if (::ioctl(fd_, TIOCOUTQ, &queued) != 0) return IoError(errno);
    return queued;
  }

  int readByte(double timeoutSeconds) override {
    if (next_ < received_.size()) return received_[next_++] & 0x7F;  // a 7-bit line
    const double deadline = MonotonicSeconds() + timeoutSeconds;
    for (;;) {
      // With VMIN = VTIME = 0 read() returns 0 on an empty queue, so ask
      // poll() first; a 0 from a readable device then means a hang-up.
      const int ready = WaitFor(POLLIN, deadline);
      if (ready < 0) return ready;
      // Take everything that has arrived: a reply that came in one piece
      // then costs one wake-up, not one per byte.
      received_.resize(kReadChunk);
      const ssize_t n = io_.read(fd_, received_.data(), received_.size());
      received_.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
      next_ = 0;
      if (n > 0) return received_[next_++] & 0x7F;
      if (n == 0) return kGone;
      if (errno != EINTR && errno != EAGAIN && errno != EWOULDBLOCK) return IoError(errno);
    }
  }

  // A hang-up on the descriptor (an adapter pulled out, the far end of a
  // pseudo-terminal closed), or the device's node or sysfs entry removed.
  bool gone() override {
    pollfd p{fd_, 0, 0};
    if (io_.poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL))) return true;
    return Vanished(traces_.node) || Vanished(traces_.sysfsEntry);
  }

 private:
  // Waits until the device is ready for `events`: kOk, kTimeout, or kGone
  // when it hangs up (an adapter pulled out, the far end of a pty closed).
  int WaitFor(short events, double deadline) {
    for (;;) {
      pollfd p{fd_, events, 0};
      const int r = io_.poll(&p, 1, PollMilliseconds(deadline - MonotonicSeconds()));
      if (r < 0) {
        if (errno == EINTR) continue;
        return IoError(errno);
      }
      if (r == 0) return kTimeout;
      if (p.revents & events) return kOk;  // data first: it may have come before the hang-up
      if (p.revents & (POLLHUP | POLLERR | POLLNVAL)) return kGone;
    }
  }

  static constexpr std::size_t kReadChunk = 512;  // the input queue's size

  int fd_;
  TermiosIo io_;
  DeviceTraces traces_;
  bool pseudoTerminal_;
  double timeout_ = kDefaultComTime;
  std::vector<std::uint8_t> received_;  // read from the device, not yet taken
  std::size_t next_ = 0;
};

int Configure(int fd, const std::string& path, const LineSettings& settings) {
  speed_t speed{};
  if (!SpeedFor(settings.baud, speed)) return kSettings;
  termios tio{};
  if (::tcgetattr(fd, &tio) != 0) return errno == ENOTTY ? kNotFound : IoError(errno);
  ::cfmakeraw(&tio);
  tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
  tio.c_cflag |= DataBitsFlag(settings.dataBits) | CLOCAL | CREAD;
  if (settings.parity != Parity::None) tio.c_cflag |= PARENB;
  if (settings.parity == Parity::Odd) tio.c_cflag |= PARODD;
  if (settings.stopBits == 2) tio.c_cflag |= CSTOPB;
  tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
  tio.c_cc[VMIN] = 0;
  tio.c_cc[VTIME] = 0;
  if (::cfsetispeed(&tio, speed) != 0 || ::cfsetospeed(&tio, speed) != 0) return kSettings;

  const bool pty = IsPseudoTerminal(fd, path);
  if (::tcsetattr(fd, TCSANOW, &tio) != 0 && !pty) return kSettings;
  // tcsetattr succeeds when any one setting was taken: check them all.
  termios now{};
  if (::tcgetattr(fd, &now) != 0) return IoError(errno);
  const tcflag_t lineBits = CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS;
  const bool kept = (now.c_cflag & lineBits) == (tio.c_cflag & lineBits) &&
                    ::cfgetospeed(&now) == speed && ::cfgetispeed(&now) == speed;
  return kept || pty ? kOk : kSettings;
}

}  // namespace

std::unique_ptr<PortBackend> MakeTermiosPort(int fd, TermiosIo io) {
  return std::make_unique<TermiosPort>(fd, io);
}

std::unique_ptr<PortBackend> OpenPlatformPort(int port, const LineSettings& settings, int& error) {
  const std::string path = DevicePathForPort(port);
  if (path.empty()) {
    error = kNotFound;
    return nullptr;
  }
  const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    error = OpenError(errno);
    return nullptr;
  }
  // Two programs must not share the line. TIOCEXCL stops other opens (except
  // by root); the lock is what every program here honours, root included.
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    error = errno == EWOULDBLOCK ? kBusy : IoError(errno);
    ::close(fd);
    return nullptr;
  }
  if (!::isatty(fd)) {
    error = kNotFound;  // a file, not a serial device
    ::close(fd);
    return nullptr;
  }
  ::ioctl(fd, TIOCEXCL);
  std::error_code ec;
  auto backend = std::make_unique<TermiosPort>(
      fd, TermiosIo{}, DeviceTraces{fs::canonical(path, ec), CharDeviceEntry(SysfsRoot(), fd)},
      IsPseudoTerminal(fd, path));
  error = Configure(fd, path, settings);
  if (error != kOk) return nullptr;
  RequestLowLatency(fd);
  return backend;
}

}  // namespace rs232
