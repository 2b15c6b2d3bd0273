// A format run of the device's disk manager. It is timed by the clock it is asked with, so that
// the answers about it show it advancing in real time and tests can move it on at will.
#pragma once
#include <chrono>
#include <optional>

class FormatJob {
public:
  using Clock = std::chrono::steady_clock;

  struct Progress {
    int percent = 100;
    bool finished = true;  // done, or stopped by a failure
    bool failed = false;
  };

  // A run that takes `duration` from `now`; with `failAtPercent` it stops failed at that percent.
  void Start(Clock::time_point now, Clock::duration duration, std::optional<int> failAtPercent);
  // Before the first run the disks count as formatted: finished at 100 percent.
  Progress At(Clock::time_point now) const;
  bool Running(Clock::time_point now) const { return !At(now).finished; }

private:
  std::optional<Clock::time_point> started_;
  Clock::duration duration_{};
  std::optional<int> failAtPercent_;
};
