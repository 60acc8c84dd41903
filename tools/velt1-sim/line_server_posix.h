#pragma once
// Plays the bus out on the pseudo-terminal: reads the host's bytes from the
// master, hands them to the bus, and writes the emissions at their times.
// With pacing every byte in either direction takes one character time of a
// 9600-baud 7-O-1 line, against absolute deadlines on the monotonic clock.

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

#include "sim/bus.h"
#include "sim/line_pacer.h"

class LineServer {
 public:
  using Clock = std::chrono::steady_clock;
  // Opens a fresh line after a dropped one; returns the new master or -1.
  using Replug = std::function<int()>;

  // `fifoBytes`: the host's receive FIFO; a paced reply reaches the host in
  // chunks of this many bytes (1: every byte on its own).
  LineServer(sim::Bus& bus, bool pace, std::size_t fifoBytes, double hostTimeoutSeconds)
      : bus_(bus), pace_(pace), fifoBytes_(std::max<std::size_t>(1, fifoBytes)),
        hostTimeout_(hostTimeoutSeconds) {}

  // Serves `master` until `stop` is set by a signal handler. SIGINT and
  // SIGTERM must be blocked by the caller; they are let in only while the
  // server waits. False when the line failed for good.
  bool run(int master, const volatile std::sig_atomic_t& stop, const sigset_t& waitMask,
           const Replug& replug);

 private:
  struct Incoming {
    Clock::time_point at;  // when its last bit has crossed the line
    std::uint8_t byte;
  };
  struct Outgoing {
    Clock::time_point due;
    std::uint8_t byte;
    bool drop;  // the line goes away here
  };

  // Emissions that begin later than the line would be free: paced, they are
  // put on the line only when their time has come, so that the answer to a
  // command sent meanwhile is not held up behind them.
  struct Deferred {
    Clock::time_point start;
    std::vector<sim::Emission> emissions;
  };

  void readHost(int master);
  void releaseDeferred(Clock::time_point now);
  void deliverDue(Clock::time_point now);
  void schedule(const std::vector<sim::Emission>& emissions, Clock::time_point readyAt);
  void queue(Outgoing outgoing);
  // Writes what is due; false when the master takes no more for now.
  bool writeDue(int master, Clock::time_point now, bool& dropNow);

  sim::Bus& bus_;
  bool pace_;
  std::size_t fifoBytes_;
  double hostTimeout_;
  sim::LinePacer toDevice_;
  sim::LinePacer toHost_;
  std::deque<Incoming> incoming_;
  std::deque<Outgoing> outgoing_;
  std::vector<Deferred> deferred_;
};
