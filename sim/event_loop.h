// A single-threaded loop: sockets that became readable or writable and callbacks that fell due.
#pragma once
#include <chrono>
#include <functional>
#include <map>
#include <poll.h>
#include <queue>
#include <vector>

class EventLoop {
public:
  using Callback = std::function<void()>;

  void Watch(int fd, Callback onReadable);
  // Forgets both kinds of watch of `fd`.
  void Unwatch(int fd);
  void WatchWritable(int fd, Callback onWritable);
  void UnwatchWritable(int fd);
  void After(int milliseconds, Callback callback);
  // Runs until Stop() or until `stopRequested` (checked at least every 100 ms) turns true. A later
  // Run goes on with the sockets and timers left.
  void Run(const volatile int* stopRequested = nullptr);
  void Stop() { stopped_ = true; }

private:
  using Clock = std::chrono::steady_clock;
  struct Timer {
    Clock::time_point due;
    unsigned long sequence;  // keeps callbacks due at the same time in the order they were set
    Callback callback;
    bool operator>(const Timer& other) const {
      return due != other.due ? due > other.due : sequence > other.sequence;
    }
  };
  void RunDueTimers();
  int MillisecondsToNextTimer() const;

  std::vector<pollfd> PollSet() const;
  void Dispatch(const pollfd& ready);

  std::map<int, Callback> watched_;
  std::map<int, Callback> writable_;
  std::priority_queue<Timer, std::vector<Timer>, std::greater<Timer>> timers_;
  unsigned long nextSequence_ = 0;
  bool stopped_ = false;
};
