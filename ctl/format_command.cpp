// drovikctl format: creates and formats the device's volumes the way the wizard's volume page
// does. It reads the disks, builds the same plan for the chosen type and runs the same sequence,
// printing the format's percentage as it advances. Exit 0 when the sequence succeeded, 1 otherwise
// (its messages on standard error), 2 for a usage error.
#include <algorithm>
#include <optional>
#include <string>

#include "base/win/ansi_text.h"
#include "base/messages.h"
#include "ctl/commands.h"
#include "ctl/console.h"
#include "ctl/device_session.h"
#include "rules/format_sequence.h"
#include "rules/volume_plan.h"

namespace {

// The sequence's actions on the console: launches aimed at the tool's result window, messages
// to standard error, the percentage to standard output; the poll and the watch are deadlines that
// the waiting loop keeps.
class ConsoleFormat final : public FormatSurface {
 public:
  ConsoleFormat(ResultWindow& window, const ChosenDevice& device, const VolumePlan& plan)
      : window_(window), device_(device), plan_(plan) {}

  // Runs the sequence until it is over; true when it succeeded.
  bool Run() {
    Perform(sequence_, sequence_.Start(), *this);
    while (!sequence_.Over()) {
      MSG msg;
      if (window_.WaitFor({WM_DISK_STEP_DONE, WM_VOLUME_CREATED, WM_FORMAT_STATE}, MsToNextDeadline(), msg)) {
        Perform(sequence_, Answer(msg), *this);
      } else if (watchDeadline_ && GetTickCount64() >= *watchDeadline_) {
        Perform(sequence_, sequence_.WatchExpired(), *this);
      } else if (nextPoll_ && GetTickCount64() >= *nextPoll_) {
        *nextPoll_ += kFormatPollMs;
        Perform(sequence_, sequence_.PollTick(), *this);
      }
    }
    return sequence_.Succeeded();
  }

 private:
  FormatActions Answer(const MSG& msg) {
    const int low = static_cast<int>(msg.wParam), high = static_cast<int>(msg.lParam);
    if (msg.message == WM_DISK_STEP_DONE) return sequence_.StepDone(high, low);
    if (msg.message == WM_VOLUME_CREATED) return sequence_.VolumeCreated(low);
    return sequence_.StateRead(low, high);
  }

  DWORD MsToNextDeadline() const {
    const ULONGLONG now = GetTickCount64();
    ULONGLONG next = now + kFormatWatchMs;
    if (watchDeadline_) next = std::min(next, *watchDeadline_);
    if (nextPoll_) next = std::min(next, *nextPoll_);
    return static_cast<DWORD>(next > now ? next - now : 0);
  }

  bool Launch(CgiCommand command) override {
    return LaunchQuery(window_.Handle(), [&](CQuery& q) {
             return q.SendCommand(device_, command, FormatStepBody(command, plan_.First()));
           }) != 0;
  }
  void ShowMessage(const wchar_t* english) override { PrintError(english); }
  void SetPolling(bool on) override {
    nextPoll_ = on ? std::optional<ULONGLONG>(GetTickCount64() + kFormatPollMs) : std::nullopt;
  }
  void SetWatch(bool on) override {
    watchDeadline_ = on ? std::optional<ULONGLONG>(GetTickCount64() + kFormatWatchMs) : std::nullopt;
  }
  void ShowProgress(int percent) override { PrintLine(std::to_string(percent) + "%"); }
  void ShowComplete() override { PrintLine("Complete"); }
  // Every failure has been printed as it was said.
  void ShowFailed(const wchar_t*) override {}
  void EnableButtons() override {}

  ResultWindow& window_;
  const ChosenDevice device_;
  const VolumePlan& plan_;
  FormatSequence sequence_;
  std::optional<ULONGLONG> nextPoll_;
  std::optional<ULONGLONG> watchDeadline_;
};

}  // namespace

int RunFormatCommand(const Arguments& args) {
  const bool shaped = ArgumentsAre(args, {L"--level", L"--device", L"--user", L"--password"});
  const auto login = shaped ? LoginOptions(args) : std::nullopt;
  const auto levelText = OptionValue(args, L"--level");
  const VolumeLevel level = levelText ? LevelNamed(ToAnsi(*levelText)) : VolumeLevel::kNone;
  if (!login || level == VolumeLevel::kNone) {
    PrintError(L"usage: drovikctl format --level standard|linear|raid0|raid1 --device NAME --user U --password P");
    return 2;
  }
  ResultWindow window;
  const auto device = LogIn(window, *login);
  if (!device) return 1;
  const std::unique_ptr<DiskInfoResult> disks = ReadDisks(window, *device);
  if (!disks) return 1;
  const PlanResult plan = BuildVolumePlan(*disks, level);
  if (!plan.plan) {
    PrintError(PlanRefusalText(plan.refusal));
    return 1;
  }
  return ConsoleFormat(window, *device, *plan.plan).Run() ? 0 : 1;
}
