#include "rules/format_sequence.h"

namespace {
constexpr const wchar_t* kSettingFailed = L"setting failed.";
constexpr const wchar_t* kFormatError = L"format error.";
}  // namespace

FormatActions FormatSequence::Launch(Phase next, CgiCommand command, const wchar_t* message, bool stopPolling) {
  phase_ = next;
  FormatActions actions;
  actions.stopPolling = stopPolling;
  actions.message = message;
  actions.launch = command;
  actions.restartWatch = true;
  return actions;
}

FormatActions FormatSequence::Fail(const wchar_t* message, bool stopPolling) {
  phase_ = Phase::kFailed;
  if (!failure_) failure_ = message;
  FormatActions actions;
  actions.stopPolling = stopPolling;
  actions.message = message;
  actions.failed = true;
  actions.enableButtons = true;
  return actions;
}

FormatActions FormatSequence::Start() {
  if (phase_ != Phase::kIdle) return {};
  return Launch(Phase::kStopping, kStopWebFileManager);
}

FormatActions FormatSequence::LaunchFailed(CgiCommand command) {
  if (Over() || phase_ == Phase::kIdle) return {};
  const bool polling = phase_ == Phase::kFormatting;
  return Fail(command == kCheckRemountState ? L"CheckDiskRemountState failed." : kSettingFailed, polling);
}

FormatActions FormatSequence::StepDone(int cmdIndex, int result) {
  const bool done = result != 0;
  switch (static_cast<CgiCommand>(cmdIndex)) {
    case kStopWebFileManager:
      if (phase_ != Phase::kStopping) return {};
      return done ? Launch(Phase::kCreating, kCreateVolume) : Fail(kSettingFailed);
    case kRemountDisk:
      if (phase_ != Phase::kRemounting) return {};
      return done ? Launch(Phase::kChecking, kCheckRemountState) : Fail(L"Set Remount failed.");
    case kCheckRemountState:
      if (phase_ != Phase::kChecking) return {};
      // The device's own text, two spaces and all.
      return done ? Launch(Phase::kFinishing, kFinishFormat) : Fail(L"CheckDiskRemountState  failed.");
    case kFinishFormat: {
      if (phase_ != Phase::kFinishing) return {};
      // A refused finish would otherwise leave the dialog without a way out.
      if (!done) return Fail(kSettingFailed);
      FormatActions actions;
      actions.enableButtons = true;
      if (failure_) {
        // After a format error the finish only hands the disks back; the error was said already.
        phase_ = Phase::kFailed;
        actions.failed = true;
      } else {
        phase_ = Phase::kComplete;
        actions.complete = true;
      }
      return actions;
    }
    default:
      return {};
  }
}

FormatActions FormatSequence::VolumeCreated(int result) {
  if (phase_ != Phase::kCreating) return {};
  // Nothing follows a refused creation: the user may close at once.
  if (result == 0) return Fail(kSettingFailed);
  phase_ = Phase::kFormatting;
  FormatActions actions;
  actions.startPolling = true;
  actions.restartWatch = true;
  return actions;
}

FormatActions FormatSequence::PollTick() {
  if (phase_ != Phase::kFormatting) return {};
  FormatActions actions;
  actions.launch = kReadFormatState;
  return actions;
}

FormatActions FormatSequence::StateRead(int state, int percent) {
  if (phase_ != Phase::kFormatting) return {};
  lastPercent_ = percent;
  switch (static_cast<FormatState>(state)) {
    case FormatState::kRunning: {
      FormatActions actions;
      actions.progress = percent;
      actions.restartWatch = true;
      return actions;
    }
    // A finished format goes on to the remount as it is: the bar is not filled up.
    case FormatState::kFinished:
      return Launch(Phase::kRemounting, kRemountDisk, nullptr, true);
    default:
      // The volumes still get remounted after a failed format, but the run has failed.
      failure_ = kFormatError;
      return Launch(Phase::kRemounting, kRemountDisk, kFormatError, true);
  }
}

FormatActions FormatSequence::WatchExpired() {
  if (Over() || phase_ == Phase::kIdle) return {};
  return Fail(kSettingFailed, phase_ == Phase::kFormatting);
}

void Perform(FormatSequence& sequence, const FormatActions& actions, FormatSurface& surface) {
  if (actions.stopPolling) surface.SetPolling(false);
  if (actions.message) {
    surface.SetWatch(false);
    surface.ShowMessage(actions.message);
  }
  if (actions.launch && !surface.Launch(*actions.launch)) {
    Perform(sequence, sequence.LaunchFailed(*actions.launch), surface);
    return;
  }
  if (actions.startPolling) surface.SetPolling(true);
  if (actions.progress) surface.ShowProgress(*actions.progress);
  if (actions.complete) surface.ShowComplete();
  if (actions.failed) surface.ShowFailed(sequence.Failure());
  if (actions.enableButtons) surface.EnableButtons();
  if (sequence.Over()) {
    surface.SetWatch(false);
  } else if (actions.restartWatch || actions.message) {
    surface.SetWatch(true);
  }
}

std::optional<std::string> FormatStepBody(CgiCommand step, const VolumeRequest* plan) {
  switch (step) {
    case kStopWebFileManager: return StopWebFileManagerBody();
    case kCreateVolume: return CreateVolumeBody(plan);
    case kReadFormatState: return ReadFormatStateBody();
    case kRemountDisk: return RemountDiskBody();
    case kCheckRemountState: return CheckRemountStateBody();
    case kFinishFormat: return FinishFormatBody();
    default: return std::nullopt;
  }
}
