// The disk programs' commands: the disks, the volumes, and the format run (stop the web file
// manager, create the volumes, follow the format, remount, check, finish).
//
// Creating volumes replaces the device's volumes by the plan's (empty, at their full size) and
// starts a format run of format.seconds; the format state answer shows it advancing with the
// clock, to finished, or to an error at format.fail_at percent. While a run goes on, a new
// creation and the remount are refused (0).
#pragma once
#include <functional>

#include "sim/format_job.h"
#include "sim/web_site.h"

class DiskCommands {
public:
  using Now = std::function<FormatJob::Clock::time_point()>;

  explicit DiskCommands(Now now = FormatJob::Clock::now) : now_(std::move(now)) {}

  // The handlers refer to this object, which must outlive the site.
  void AddTo(WebSite& site);

private:
  AnswerElement CreateVolumes(DeviceState& device, const FormData& form);
  AnswerElement FormatState(DeviceState& device);
  AnswerElement Remount(DeviceState& device);

  Now now_;
};
