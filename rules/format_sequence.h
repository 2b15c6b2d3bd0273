// The chain of device commands that creates and formats the volumes, as one state machine: stop
// the web file manager, create the volumes, read the format state every second until it ends,
// remount the disks, check the remount, finish. Each answer (or failure) goes in as an event; what
// the driver must do comes out as actions, in the order listed in FormatActions. The progress
// dialog and drovikctl both drive it, so the sequence is written once.
//
// Every step has a watch: when no answer came for a whole watch period (see kFormatWatchMs) the
// sequence fails with "setting failed." instead of waiting for ever, since a failed exchange
// reports nothing. Each launch and each format state answer restart the watch, so a device that
// answers slowly but answers still finishes. Answers that do not belong to the step under way (a
// late answer of a step that timed out, a second format state after the format ended) change
// nothing.
//
// The outcome is the sequence's own, for every driver to read: a run succeeds only when every step
// answered done. A format that reports an error is still remounted and finished (the device wants
// its disks back), but the run ends failed however those steps go: the volumes were not made.
#pragma once
#include <optional>
#include <string>

#include "net/device_commands.h"

// The format state of a ReadFormatState answer.
enum class FormatState { kError = 0, kRunning = 1, kFinished = 2 };

// A step's exchange ends within about 25 s, and the stop answer comes 5 s after it.
inline constexpr unsigned kFormatWatchMs = 60000;
// The format state is read this often while the format runs.
inline constexpr unsigned kFormatPollMs = 1000;

struct FormatActions {
  bool stopPolling = false;
  const wchar_t* message = nullptr;  // English, to be translated and shown (before the launch)
  std::optional<CgiCommand> launch;
  bool startPolling = false;
  std::optional<int> progress;  // the new bar position and percentage
  bool complete = false;        // show the success look
  bool failed = false;          // show the failure look, with the sequence's Failure() kept in view
  bool enableButtons = false;   // the sequence is over: the user may close
  // The watch: restarted when set, else kept running while the sequence goes on and stopped once
  // it is over.
  bool restartWatch = false;
};

class FormatSequence {
 public:
  enum class Phase { kIdle, kStopping, kCreating, kFormatting, kRemounting, kChecking, kFinishing, kComplete, kFailed };

  Phase CurrentPhase() const { return phase_; }
  bool Over() const { return phase_ == Phase::kComplete || phase_ == Phase::kFailed; }
  // Every step answered done and the format reported no error.
  bool Succeeded() const { return phase_ == Phase::kComplete; }
  // The first failure of the run, in English (nullptr while there is none): the one that decided
  // the outcome, kept in view when the run is over.
  const wchar_t* Failure() const { return failure_; }
  // The percentage of the last format state answer (the bar moves only while it runs).
  int LastPercent() const { return lastPercent_; }

  FormatActions Start();
  // A launch returned no token: nothing will answer.
  FormatActions LaunchFailed(CgiCommand command);
  // WM_DISK_STEP_DONE: the step's command index and its result (not 0 = done).
  FormatActions StepDone(int cmdIndex, int result);
  // WM_VOLUME_CREATED.
  FormatActions VolumeCreated(int result);
  // WM_FORMAT_STATE.
  FormatActions StateRead(int state, int percent);
  // The poll period passed.
  FormatActions PollTick();
  // A whole watch period passed without an answer.
  FormatActions WatchExpired();

 private:
  FormatActions Launch(Phase next, CgiCommand command, const wchar_t* message = nullptr, bool stopPolling = false);
  FormatActions Fail(const wchar_t* message, bool stopPolling = false);

  Phase phase_ = Phase::kIdle;
  int lastPercent_ = 0;
  const wchar_t* failure_ = nullptr;
};

// What a driver of the sequence does with the actions.
// The body of a step's command, for whichever driver sends it: the volume text of the plan starting
// at `plan` for CreateVolume. None for a command that is no step of the run, like a body that
// cannot be built.
std::optional<std::string> FormatStepBody(CgiCommand step, const VolumeRequest* plan);

class FormatSurface {
 public:
  virtual ~FormatSurface() = default;
  // Starts the command aimed at the driver; false when it did not start.
  virtual bool Launch(CgiCommand command) = 0;
  virtual void ShowMessage(const wchar_t* english) = 0;
  virtual void SetPolling(bool on) = 0;
  // On: the watch period starts afresh. Off: no watch.
  virtual void SetWatch(bool on) = 0;
  virtual void ShowProgress(int percent) = 0;
  virtual void ShowComplete() = 0;
  // The run failed: `english` (to be translated) says why and stays in view.
  virtual void ShowFailed(const wchar_t* english) = 0;
  virtual void EnableButtons() = 0;
};

// Carries out `actions` in order on `surface`; a launch that does not start goes back into the
// sequence as LaunchFailed and its actions are carried out in turn. A message stops the watch
// while it is shown (the user may take a while to read it).
void Perform(FormatSequence& sequence, const FormatActions& actions, FormatSurface& surface);
