// The parts of the network connection that are the same on every system.

#include "device/net_socket.h"

#if defined(_WIN32)
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <netdb.h>
#include <sys/socket.h>
#endif

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace rs232 {
namespace {

// Runs `job` on a thread of its own and waits for it until the deadline:
// false when it has not finished by then (it is left to finish unseen).
// The system's resolver knows no deadline.
bool RunUntil(std::function<void()> job, double deadline) {
  struct Shared {
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
  };
  auto shared = std::make_shared<Shared>();
  std::thread([shared, job = std::move(job)] {
    job();
    std::lock_guard<std::mutex> lock(shared->mutex);
    shared->done = true;
    shared->finished.notify_all();
  }).detach();
  std::unique_lock<std::mutex> lock(shared->mutex);
  const auto left = std::chrono::duration<double>(deadline - NetSeconds());
  return shared->finished.wait_for(lock, left, [&] { return shared->done; });
}

// Shared with the look-up's thread, which may finish after the caller gave up.
struct Lookup {
  bool found = false;
  addrinfo* list = nullptr;
  ~Lookup() {
    if (list != nullptr) ::freeaddrinfo(list);
  }
};

}  // namespace

double NetSeconds() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

bool ConnectToAny(const std::string& host, const std::string& port, double deadline,
                  const std::function<bool(const addrinfo&)>& connect) {
  auto lookup = std::make_shared<Lookup>();
  const bool looked = RunUntil(
      [lookup, host, port] {
        addrinfo hints{};
        hints.ai_family = AF_UNSPEC;
        hints.ai_socktype = SOCK_STREAM;
        lookup->found = ::getaddrinfo(host.c_str(), port.c_str(), &hints, &lookup->list) == 0;
      },
      deadline);
  if (!looked || !lookup->found) return false;
  for (const addrinfo* a = lookup->list; a != nullptr; a = a->ai_next) {
    if (connect(*a)) return true;
  }
  return false;
}

}  // namespace rs232
