#include "sim/event_loop.h"

#include <poll.h>

#include <algorithm>

void EventLoop::Watch(int fd, Callback onReadable) { watched_[fd] = std::move(onReadable); }

void EventLoop::Unwatch(int fd) { watched_.erase(fd); }

void EventLoop::After(int milliseconds, Callback callback) {
  timers_.push(Timer{Clock::now() + std::chrono::milliseconds(milliseconds), nextSequence_++,
                     std::move(callback)});
}

int EventLoop::MillisecondsToNextTimer() const {
  constexpr int kIdleMs = 100;
  if (timers_.empty()) return kIdleMs;
  const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(timers_.top().due -
                                                                         Clock::now());
  return static_cast<int>(std::clamp<long long>(wait.count(), 0, kIdleMs));
}

void EventLoop::RunDueTimers() {
  while (!timers_.empty() && timers_.top().due <= Clock::now()) {
    Callback callback = timers_.top().callback;
    timers_.pop();
    callback();
  }
}

void EventLoop::Run(const volatile int* stopRequested) {
  while (!stopped_ && !(stopRequested && *stopRequested)) {
    std::vector<pollfd> fds;
    for (const auto& [fd, callback] : watched_) fds.push_back(pollfd{fd, POLLIN, 0});
    const int ready = poll(fds.data(), fds.size(), MillisecondsToNextTimer());
    if (ready > 0) {
      for (const pollfd& p : fds) {
        if (!(p.revents & (POLLIN | POLLERR | POLLHUP))) continue;
        const auto found = watched_.find(p.fd);  // an earlier callback may have unwatched it
        if (found != watched_.end()) {
          Callback callback = found->second;
          callback();
        }
      }
    }
    RunDueTimers();
  }
}
