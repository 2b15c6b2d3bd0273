#include "sim/format_job.h"

#include <algorithm>

void FormatJob::Start(Clock::time_point now, Clock::duration duration,
                      std::optional<int> failAtPercent) {
  started_ = now;
  duration_ = duration;
  failAtPercent_ = failAtPercent;
}

FormatJob::Progress FormatJob::At(Clock::time_point now) const {
  if (!started_) return {};
  const auto elapsed = std::max(now - *started_, Clock::duration::zero());
  Progress progress;
  progress.finished = elapsed >= duration_;
  progress.percent =
      progress.finished ? 100 : static_cast<int>(elapsed * 100 / duration_);  // whole percents
  if (failAtPercent_ && progress.percent >= *failAtPercent_) {
    progress.percent = *failAtPercent_;
    progress.finished = true;
    progress.failed = true;
  }
  return progress;
}
