// The parts of the network connection that are the same on every system.

#include "device/net_socket.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace rs232 {

double NetSeconds() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

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

}  // namespace rs232
