#include "pty_line_posix.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>

#include "device/port_map.h"

namespace fs = std::filesystem;

bool PtyLine::open(std::string& error) {
  close();
  master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
  if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
    error = std::string("Pseudo-Terminal: ") + std::strerror(errno);
    close();
    return false;
  }
  const char* name = ::ptsname(master_);
  slavePath_ = name ? name : "";
  slave_ = slavePath_.empty() ? -1 : ::open(slavePath_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (slave_ < 0) {
    error = "Pseudo-Terminal " + slavePath_ + ": " + std::strerror(errno);
    close();
    return false;
  }
  // Raw both ways: no echo of what the host sends, no line editing, no CR/NL
  // translation. The host sets its own line settings when it opens the port.
  termios settings{};
  ::tcgetattr(slave_, &settings);
  ::cfmakeraw(&settings);
  ::tcsetattr(slave_, TCSANOW, &settings);
  ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
  ::fcntl(master_, F_SETFD, FD_CLOEXEC);
  return true;
}

void PtyLine::close() {
  if (slave_ >= 0) ::close(slave_);
  if (master_ >= 0) ::close(master_);
  slave_ = master_ = -1;
}

bool ComLink::create(int com, const std::string& target, std::string& error) {
  const fs::path folder = rs232::PortsFolder();
  if (folder.empty()) {
    error = "kein Ports-Ordner (VELT1_PORTS oder HOME setzen)";
    return false;
  }
  std::error_code ec;
  fs::create_directories(folder, ec);
  const fs::path path = folder / rs232::PortName(com);
  if (fs::is_symlink(fs::symlink_status(path, ec))) {
    // A link to a device that is gone, or to the pseudo-terminal we hold
    // ourselves (the kernel hands out the lowest free number again), was
    // left behind by a simulator that was killed.
    const fs::path points = fs::read_symlink(path, ec);
    if (fs::exists(path, ec) && points != fs::path(target)) {
      error = path.string() + " zeigt schon auf " + points.string();
      return false;
    }
    fs::remove(path, ec);
  } else if (fs::exists(fs::symlink_status(path, ec))) {
    error = path.string() + " gibt es schon";
    return false;
  }
  fs::create_symlink(target, path, ec);
  if (ec) {
    error = path.string() + ": " + ec.message();
    return false;
  }
  path_ = path;
  target_ = target;
  return true;
}

bool ComLink::repoint(const std::string& target, std::string& error) {
  if (path_.empty()) return true;
  fs::path fresh = path_;
  fresh += ".new";
  std::error_code ec;
  fs::remove(fresh, ec);
  fs::create_symlink(target, fresh, ec);
  if (!ec) fs::rename(fresh, path_, ec);
  if (ec) {
    error = path_.string() + ": " + ec.message();
    return false;
  }
  target_ = target;
  return true;
}

void ComLink::remove() {
  if (path_.empty()) return;
  std::error_code ec;
  if (fs::is_symlink(fs::symlink_status(path_, ec)) && fs::read_symlink(path_, ec) == target_) {
    fs::remove(path_, ec);
  }
  path_.clear();
}
