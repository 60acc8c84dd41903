#include "line_server_posix.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <iterator>
#include <optional>
#include <thread>

namespace {

// A late reply arrives this long after the host's time-out has run out.
constexpr std::chrono::milliseconds kLateMargin{100};

std::chrono::nanoseconds Seconds(double seconds) {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::duration<double>(seconds));
}

}  // namespace

void LineServer::readHost(int master) {
  std::uint8_t buffer[4096];
  const ssize_t count = ::read(master, buffer, sizeof buffer);
  if (count <= 0) return;
  const auto now = Clock::now();
  if (!pace_) {
    schedule(bus_.receive(buffer, static_cast<std::size_t>(count)), now);
    return;
  }
  // The host's bytes reach the device one character time after another.
  for (ssize_t i = 0; i < count; ++i) incoming_.push_back({toDevice_.nextCharacter(now), buffer[i]});
}

void LineServer::deliverDue(Clock::time_point now) {
  while (!incoming_.empty() && incoming_.front().at <= now) {
    const Incoming byte = incoming_.front();
    incoming_.pop_front();
    schedule(bus_.receive(&byte.byte, 1), byte.at);
  }
}

void LineServer::queue(Outgoing outgoing) {
  // Bytes with equal times keep their order.
  auto at = std::upper_bound(outgoing_.begin(), outgoing_.end(), outgoing.due,
                             [](Clock::time_point due, const Outgoing& o) { return due < o.due; });
  outgoing_.insert(at, outgoing);
}

void LineServer::releaseDeferred(Clock::time_point now) {
  // Taken out before they are scheduled, which may defer some of them again.
  const auto firstDue = std::stable_partition(deferred_.begin(), deferred_.end(),
                                              [now](const Deferred& d) { return d.start > now; });
  std::vector<Deferred> due(std::make_move_iterator(firstDue), std::make_move_iterator(deferred_.end()));
  deferred_.erase(firstDue, deferred_.end());
  for (const Deferred& d : due) schedule(d.emissions, d.start);
}

void LineServer::schedule(const std::vector<sim::Emission>& emissions, Clock::time_point readyAt) {
  Clock::time_point cursor = readyAt;
  for (auto emission = emissions.begin(); emission != emissions.end(); ++emission) {
    Clock::time_point start = cursor;
    switch (emission->when) {
      case sim::Emission::When::Now: break;
      case sim::Emission::When::After: start += Seconds(emission->delaySeconds); break;
      case sim::Emission::When::AfterHostTimeout: start += Seconds(hostTimeout_) + kLateMargin; break;
      case sim::Emission::When::DropLine: queue({start, 0, true}); return;
    }
    if (pace_ && start > cursor) {
      std::vector<sim::Emission> rest(emission, emissions.end());
      rest.front().when = sim::Emission::When::Now;
      deferred_.push_back({start, std::move(rest)});
      return;
    }
    // Paced, a byte is written when its last bit would have arrived; with a
    // receive FIFO, the bytes of one chunk go together when its last has.
    std::vector<Clock::time_point> arrivals;
    for (std::size_t i = 0; i < emission->bytes.size(); ++i) {
      cursor = pace_ ? toHost_.nextCharacter(start) : start;
      arrivals.push_back(cursor);
    }
    for (std::size_t i = 0; i < arrivals.size(); ++i) {
      const std::size_t chunkEnd = std::min(arrivals.size(), (i / fifoBytes_ + 1) * fifoBytes_);
      queue({arrivals[chunkEnd - 1], static_cast<std::uint8_t>(emission->bytes[i]), false});
    }
  }
}

bool LineServer::writeDue(int master, Clock::time_point now, bool& dropNow) {
  std::vector<std::uint8_t> due;
  for (const auto& outgoing : outgoing_) {
    if (outgoing.due > now) break;
    if (outgoing.drop) {
      dropNow = due.empty();
      break;
    }
    due.push_back(outgoing.byte);
  }
  if (due.empty()) return true;
  const ssize_t written = ::write(master, due.data(), due.size());
  if (written > 0) outgoing_.erase(outgoing_.begin(), outgoing_.begin() + written);
  return written == static_cast<ssize_t>(due.size());
}

bool LineServer::run(int master, const volatile std::sig_atomic_t& stop, const sigset_t& waitMask,
                     const Replug& replug) {
  while (!stop) {
    auto now = Clock::now();
    deliverDue(now);
    releaseDeferred(now);
    bool dropNow = false;
    const bool writable = writeDue(master, now, dropNow);
    if (dropNow) {
      incoming_.clear();
      outgoing_.clear();
      deferred_.clear();
      master = replug();
      if (master < 0) return false;
      continue;
    }
    // Sleep until the next byte is due, a byte comes from the host, or a signal.
    timespec timeout{};
    timespec* wait = nullptr;
    std::optional<Clock::time_point> next;
    if (!incoming_.empty()) next = incoming_.front().at;
    if (!outgoing_.empty() && writable) next = next ? std::min(*next, outgoing_.front().due) : outgoing_.front().due;
    for (const Deferred& d : deferred_) next = next ? std::min(*next, d.start) : d.start;
    if (next) {
      const auto left = std::max(Clock::duration::zero(), *next - Clock::now());
      const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
      timeout.tv_sec = static_cast<time_t>(ns / 1000000000);
      timeout.tv_nsec = static_cast<long>(ns % 1000000000);
      wait = &timeout;
    }
    pollfd descriptor{master, static_cast<short>(POLLIN | (writable ? 0 : POLLOUT)), 0};
    const int ready = ::ppoll(&descriptor, 1, wait, &waitMask);
    if (ready < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (descriptor.revents & POLLIN) {
      readHost(master);
    } else if (descriptor.revents & (POLLHUP | POLLERR)) {
      // Should not happen while we hold a slave descriptor; never spin on it.
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  }
  return true;
}
