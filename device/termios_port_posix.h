#pragma once
// The termios backend of the port layer on an open descriptor. The system
// calls that wait and read go through TermiosIo, so that a test can play a
// device whose last data and hang-up arrive together, which a
// pseudo-terminal cannot (its hang-up discards what was not read).

#include <poll.h>
#include <unistd.h>

#include <memory>

#include "device/serial_port.h"

namespace rs232 {

struct TermiosIo {
  int (*poll)(pollfd* fds, nfds_t count, int timeoutMs) = ::poll;
  ssize_t (*read)(int fd, void* buffer, size_t count) = ::read;
};

// Takes over `fd` (closed when the backend is destroyed).
std::unique_ptr<PortBackend> MakeTermiosPort(int fd, TermiosIo io = {});

}  // namespace rs232
