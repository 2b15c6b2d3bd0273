#include "sim/event_loop.h"

#include <algorithm>

void EventLoop::Watch(int fd, Callback onReadable) { watched_[fd] = std::move(onReadable); }

void EventLoop::Unwatch(int fd) {
  watched_.erase(fd);
  writable_.erase(fd);
}

void EventLoop::WatchWritable(int fd, Callback onWritable) { writable_[fd] = std::move(onWritable); }

void EventLoop::UnwatchWritable(int fd) { writable_.erase(fd); }

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

std::vector<pollfd> EventLoop::PollSet() const {
  std::map<int, short> events;
  for (const auto& [fd, callback] : watched_) events[fd] |= POLLIN;
  for (const auto& [fd, callback] : writable_) events[fd] |= POLLOUT;
  std::vector<pollfd> fds;
  for (const auto& [fd, wanted] : events) fds.push_back(pollfd{fd, wanted, 0});
  return fds;
}

void EventLoop::Dispatch(const pollfd& ready) {
  // Each lookup is made afresh: an earlier callback may have unwatched the descriptor.
  const auto call = [&ready](const std::map<int, Callback>& watches, short events) {
    if (!(ready.revents & (events | POLLERR | POLLHUP))) return;
    const auto found = watches.find(ready.fd);
    if (found == watches.end()) return;
    Callback callback = found->second;
    callback();
  };
  call(watched_, POLLIN);
  call(writable_, POLLOUT);
}

void EventLoop::Run(const volatile int* stopRequested) {
  stopped_ = false;
  while (!stopped_ && !(stopRequested && *stopRequested)) {
    std::vector<pollfd> fds = PollSet();
    const int ready = poll(fds.data(), fds.size(), MillisecondsToNextTimer());
    if (ready > 0)
      for (const pollfd& p : fds) Dispatch(p);
    RunDueTimers();
  }
}
