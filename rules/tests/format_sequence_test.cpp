// The format sequence driven event by event, and carried out on a recording surface.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rules/format_sequence.h"

namespace {
// Writes down what the sequence asks of its driver, one word per call.
class RecordingSurface : public FormatSurface {
 public:
  bool Launch(CgiCommand command) override {
    log.push_back("launch " + std::to_string(static_cast<int>(command)));
    return !failLaunches;
  }
  void ShowMessage(const wchar_t* english) override { log.push_back("message " + Narrow(english)); }
  void SetPolling(bool on) override { log.push_back(on ? "poll on" : "poll off"); }
  void SetWatch(bool on) override { log.push_back(on ? "watch on" : "watch off"); }
  void ShowProgress(int percent) override { log.push_back("progress " + std::to_string(percent)); }
  void ShowComplete() override { log.push_back("complete"); }
  void ShowFailed(const wchar_t* english) override { log.push_back("failed " + Narrow(english)); }
  void EnableButtons() override { log.push_back("buttons"); }

  std::vector<std::string> Take() { return std::exchange(log, {}); }
  static std::string Narrow(const wchar_t* text) { return std::string(text, text + std::wcslen(text)); }

  std::vector<std::string> log;
  bool failLaunches = false;
};

using Log = std::vector<std::string>;

class Sequence : public ::testing::Test {
 protected:
  void Do(const FormatActions& actions) { Perform(sequence, actions, surface); }
  // Through the creation, with the format polled.
  void ToFormatting() {
    Do(sequence.Start());
    Do(sequence.StepDone(10, 1));
    Do(sequence.VolumeCreated(1));
    surface.Take();
  }
  FormatSequence sequence;
  RecordingSurface surface;
};

TEST_F(Sequence, TheWholeChainToComplete) {
  Do(sequence.Start());
  EXPECT_EQ(surface.Take(), (Log{"launch 10", "watch on"}));
  Do(sequence.StepDone(10, 1));
  EXPECT_EQ(surface.Take(), (Log{"launch 11", "watch on"}));
  Do(sequence.VolumeCreated(1));
  EXPECT_EQ(surface.Take(), (Log{"poll on", "watch on"}));
  Do(sequence.PollTick());
  EXPECT_EQ(surface.Take(), (Log{"launch 12"}));  // polls do not restart the watch: answers do
  Do(sequence.StateRead(1, 42));
  EXPECT_EQ(surface.Take(), (Log{"progress 42", "watch on"}));
  // Finished: straight to the remount, the bar left where it was.
  Do(sequence.StateRead(2, 100));
  EXPECT_EQ(surface.Take(), (Log{"poll off", "launch 13", "watch on"}));
  EXPECT_EQ(sequence.LastPercent(), 100);
  Do(sequence.StepDone(13, 1));
  EXPECT_EQ(surface.Take(), (Log{"launch 14", "watch on"}));
  Do(sequence.StepDone(14, 1));
  EXPECT_EQ(surface.Take(), (Log{"launch 15", "watch on"}));
  Do(sequence.StepDone(15, 1));
  EXPECT_EQ(surface.Take(), (Log{"complete", "buttons", "watch off"}));
  EXPECT_EQ(sequence.CurrentPhase(), FormatSequence::Phase::kComplete);
  EXPECT_TRUE(sequence.Succeeded());
  EXPECT_EQ(sequence.Failure(), nullptr);
}

TEST_F(Sequence, AFormatErrorIsSaidWhileNoWatchRunsAndTheRemountStillFollows) {
  ToFormatting();
  Do(sequence.StateRead(0, 37));
  EXPECT_EQ(surface.Take(), (Log{"poll off", "watch off", "message format error.", "launch 13", "watch on"}));
  // The format error stays the run's failure whatever fails after it.
  Do(sequence.StepDone(13, 0));
  EXPECT_EQ(surface.Take(),
            (Log{"watch off", "message Set Remount failed.", "failed format error.", "buttons", "watch off"}));
  EXPECT_FALSE(sequence.Succeeded());
}

TEST_F(Sequence, AFormatErrorFailsTheRunEvenWhenEveryStepAfterItIsDone) {
  ToFormatting();
  Do(sequence.StateRead(1, 40));
  Do(sequence.StateRead(0, 40));
  for (int step : {13, 14}) Do(sequence.StepDone(step, 1));
  surface.Take();
  Do(sequence.StepDone(15, 1));
  // No second box, and nothing of the success look.
  EXPECT_EQ(surface.Take(), (Log{"failed format error.", "buttons", "watch off"}));
  EXPECT_EQ(sequence.CurrentPhase(), FormatSequence::Phase::kFailed);
  EXPECT_FALSE(sequence.Succeeded());
  EXPECT_STREQ(sequence.Failure(), L"format error.");
}

TEST_F(Sequence, LaunchFailuresSayTheirMessageAndFreeTheButtons) {
  surface.failLaunches = true;
  Do(sequence.Start());
  EXPECT_EQ(surface.Take(),
            (Log{"launch 10", "watch off", "message setting failed.", "failed setting failed.", "buttons",
                 "watch off"}));

  // The check's launch has a message of its own (one space).
  FormatSequence checking;
  surface.failLaunches = false;
  for (const FormatActions& actions : {checking.Start(), checking.StepDone(10, 1), checking.VolumeCreated(1),
                                       checking.StateRead(2, 90)})
    Perform(checking, actions, surface);
  surface.failLaunches = true;
  surface.Take();
  Perform(checking, checking.StepDone(13, 1), surface);
  EXPECT_EQ(surface.Take(),
            (Log{"launch 14", "watch off", "message CheckDiskRemountState failed.",
                 "failed CheckDiskRemountState failed.", "buttons", "watch off"}));

  // A poll that cannot be sent ends the polling rather than failing again every second.
  FormatSequence polling;
  surface.failLaunches = false;
  for (const FormatActions& actions : {polling.Start(), polling.StepDone(10, 1), polling.VolumeCreated(1)})
    Perform(polling, actions, surface);
  surface.failLaunches = true;
  surface.Take();
  Perform(polling, polling.PollTick(), surface);
  EXPECT_EQ(surface.Take(),
            (Log{"launch 12", "poll off", "watch off", "message setting failed.", "failed setting failed.",
                 "buttons", "watch off"}));
  Perform(polling, polling.PollTick(), surface);
  EXPECT_EQ(surface.Take(), (Log{"watch off"}));
}

TEST_F(Sequence, ASilentStepTimesOutAndItsLateAnswerChangesNothing) {
  ToFormatting();
  Do(sequence.WatchExpired());
  EXPECT_EQ(surface.Take(),
            (Log{"poll off", "watch off", "message setting failed.", "failed setting failed.", "buttons",
                 "watch off"}));
  Do(sequence.StateRead(2, 100));
  Do(sequence.PollTick());
  Do(sequence.StepDone(13, 1));
  EXPECT_EQ(surface.Take(), (Log{"watch off", "watch off", "watch off"}));
  EXPECT_EQ(sequence.CurrentPhase(), FormatSequence::Phase::kFailed);

  FormatSequence stopping;
  Perform(stopping, stopping.Start(), surface);
  Perform(stopping, stopping.WatchExpired(), surface);
  surface.Take();
  Perform(stopping, stopping.StepDone(10, 1), surface);  // the stop answer after all
  EXPECT_EQ(surface.Take(), (Log{"watch off"}));
}

TEST_F(Sequence, AnswersOfOtherStepsAndLateFormatStatesAreIgnored) {
  Do(sequence.Start());
  surface.Take();
  // Commands 11 and 12 never report through the step message; a remount answer is not due yet.
  for (int cmdIndex : {11, 12, 13, 14, 15, 99}) Do(sequence.StepDone(cmdIndex, 1));
  Do(sequence.VolumeCreated(1));
  Do(sequence.StateRead(1, 5));
  EXPECT_TRUE(surface.Take().empty());
  EXPECT_EQ(sequence.CurrentPhase(), FormatSequence::Phase::kStopping);
  // Two polls were out when the format ended: the second answer does not remount again.
  Do(sequence.StepDone(10, 1));
  Do(sequence.VolumeCreated(1));
  Do(sequence.StateRead(2, 100));
  surface.Take();
  Do(sequence.StateRead(0, 100));
  EXPECT_TRUE(surface.Take().empty());
  EXPECT_EQ(sequence.CurrentPhase(), FormatSequence::Phase::kRemounting);
}

TEST_F(Sequence, ARefusedFinishLetsTheUserClose) {
  ToFormatting();
  Do(sequence.StateRead(2, 100));
  Do(sequence.StepDone(13, 1));
  Do(sequence.StepDone(14, 1));
  surface.Take();
  Do(sequence.StepDone(15, 0));
  EXPECT_EQ(surface.Take(),
            (Log{"watch off", "message setting failed.", "failed setting failed.", "buttons", "watch off"}));
}

TEST(FormatStepBody, EachStepSendsItsCommandsBodyAndTheVolumesGoWithTheCreation) {
  VolumeRequest plan{0, 1, "standard", "ext4", 100, "sda", 0, 1, nullptr};
  EXPECT_EQ(FormatStepBody(kStopWebFileManager, &plan), StopWebFileManagerBody());
  EXPECT_EQ(FormatStepBody(kCreateVolume, &plan), CreateVolumeBody(&plan));
  EXPECT_EQ(FormatStepBody(kReadFormatState, &plan), ReadFormatStateBody());
  EXPECT_EQ(FormatStepBody(kRemountDisk, &plan), RemountDiskBody());
  EXPECT_EQ(FormatStepBody(kCheckRemountState, &plan), CheckRemountStateBody());
  EXPECT_EQ(FormatStepBody(kFinishFormat, &plan), FinishFormatBody());
  EXPECT_EQ(FormatStepBody(kCreateVolume, nullptr), std::nullopt);  // no plan
  EXPECT_EQ(FormatStepBody(kSetTimeZone, &plan), std::nullopt);     // no step of the run
}
}  // namespace
