// The format progress dialog with the fake network door: each answer of the sequence and what the
// dialog shows and enables after it, the launch failures, and the watch over silent steps.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "base/messages.h"
#include "res/resource.h"
#include "framework/tests/support/modal_answerer.h"
#include "framework/tests/support/ui_test_support.h"
#include "net/win/query.h"
#include "ui/common/tests/support/dpi_checks.h"
#include "ui/network/tests/support/fake_network_door.h"
#include "ui/wizard/process_dialog.h"
#include "rules/volume_plan.h"

using namespace std::chrono_literals;

namespace {
ChosenDevice Device3() {
  ChosenDevice device;
  device.name = "NAS-3";
  return device;
}

DiskInfoResult TwoUnequalDisks() {
  DiskInfoResult disks{2, "sda", 500, "sdb", 1000};
  return disks;
}

class ProgressDialog : public ::testing::Test {
 protected:
  void Open(unsigned watchMs = kFormatWatchMs) {
    dialog = std::make_unique<CProcessDialog>(plan.plan->First(), nullptr, Device3(), watchMs);
    ASSERT_TRUE(dialog->Create());
    PumpMessages(30ms);
  }
  void Answer(UINT message, WPARAM wParam, LPARAM lParam, std::chrono::milliseconds pump = 30ms) {
    ::PostMessageW(Window(), message, wParam, lParam);
    PumpMessages(pump);
  }
  void StepDone(int cmdIndex, int result) { Answer(WM_DISK_STEP_DONE, static_cast<WPARAM>(result), cmdIndex); }
  // Through the stop and the creation: the format runs and is polled.
  void ToFormatting() {
    StepDone(10, 1);
    Answer(WM_VOLUME_CREATED, 1, 11);
  }
  HWND Window() const { return dialog->GetSafeHwnd(); }
  bool Enabled(int id) const { return ::IsWindowEnabled(dialog->GetDlgItem(id)) != FALSE; }
  bool Shown(int id) const { return (::GetWindowLongW(dialog->GetDlgItem(id), GWL_STYLE) & WS_VISIBLE) != 0; }
  // OK, Cancel and Close together: the table enables them as one.
  bool ButtonsEnabled() const {
    const bool ok = Enabled(IDC_FORMAT_OK);
    EXPECT_EQ(Enabled(IDC_FORMAT_CANCEL), ok);
    EXPECT_EQ(Enabled(IDC_FORMAT_CLOSE), ok);
    return ok;
  }
  std::wstring Text(int id) const {
    wchar_t text[256] = {};
    ::GetWindowTextW(dialog->GetDlgItem(id), text, 256);
    return text;
  }
  int BarPosition() const { return static_cast<int>(::SendMessageW(dialog->GetDlgItem(IDC_FORMAT_PROGRESS), PBM_GETPOS, 0, 0)); }
  // The end of a failed run: the failure stays in view, nothing of the success look, the buttons
  // free, and the outcome the volume page reads is a failure.
  void ExpectFailedEnd(const std::wstring& failure) const {
    EXPECT_EQ(Text(IDC_FORMAT_TITLE), L"Format Hard Drives");
    EXPECT_EQ(Text(IDC_FORMAT_MESSAGE), failure);
    EXPECT_FALSE(Shown(IDC_FORMAT_SUCCESS_PICTURE));
    EXPECT_TRUE(Shown(IDC_FORMAT_PROGRESS));
    EXPECT_TRUE(ButtonsEnabled());
    EXPECT_FALSE(dialog->Sequence().Succeeded());
  }
  std::vector<std::wstring> BoxTexts() const {
    std::vector<std::wstring> texts;
    for (const AnsweredBox& box : answerer.Boxes()) texts.push_back(box.text);
    return texts;
  }

  CFakeNetworkDoor door;
  CModalAnswerer answerer;
  PlanResult plan = BuildVolumePlan(TwoUnequalDisks(), VolumeLevel::kRaid0);
  std::unique_ptr<CProcessDialog> dialog;
};

using Texts = std::vector<std::wstring>;

TEST_F(ProgressDialog, TheWholeSequenceToCompleteWithTheButtonsOnlyAtTheEnd) {
  Open();
  EXPECT_EQ(Text(IDC_FORMAT_TITLE), L"Format Hard Drives");
  EXPECT_EQ(Text(IDC_FORMAT_PERCENT), L"0%");
  EXPECT_FALSE(Shown(IDC_FORMAT_SUCCESS_PICTURE));
  EXPECT_FALSE(ButtonsEnabled());
  ASSERT_EQ(door.Count(kStopWebFileManager), 1);
  EXPECT_EQ(door.Last(kStopWebFileManager).target, Window());
  EXPECT_EQ(door.Last(kStopWebFileManager).device.name, "NAS-3");

  StepDone(10, 1);
  const std::vector<VolumeRequest> plan = door.Last(kCreateVolume).Plan();
  ASSERT_EQ(plan.size(), 2u);
  EXPECT_EQ(plan[0].sizeGiB, 994);
  EXPECT_EQ(plan[1].sizeGiB, 494);
  EXPECT_FALSE(ButtonsEnabled());

  Answer(WM_VOLUME_CREATED, 1, 11, 1300ms);
  EXPECT_GE(door.Count(kReadFormatState), 1);  // the poll runs every second
  Answer(WM_FORMAT_STATE, 1, 42);
  EXPECT_EQ(BarPosition(), 42);
  EXPECT_EQ(Text(IDC_FORMAT_PERCENT), L"42%");
  // Finished: the remount follows at once, the bar stays where it was and the poll stops.
  Answer(WM_FORMAT_STATE, 2, 100);
  EXPECT_EQ(BarPosition(), 42);
  EXPECT_EQ(door.Count(kRemountDisk), 1);
  const int polls = door.Count(kReadFormatState);
  PumpMessages(1200ms);
  EXPECT_EQ(door.Count(kReadFormatState), polls);

  StepDone(13, 1);
  EXPECT_EQ(door.Count(kCheckRemountState), 1);
  StepDone(14, 1);
  EXPECT_EQ(door.Count(kFinishFormat), 1);
  EXPECT_FALSE(ButtonsEnabled());
  StepDone(15, 1);
  EXPECT_EQ(Text(IDC_FORMAT_TITLE), L"Complete");
  EXPECT_EQ(Text(IDC_FORMAT_MESSAGE),
            L"Congratulations!! The Formation process is complete.Please enter the OK button to finish the Wizard. "
            L"Thanks.");
  EXPECT_TRUE(Shown(IDC_FORMAT_SUCCESS_PICTURE));
  EXPECT_FALSE(Shown(IDC_FORMAT_PERCENT));
  EXPECT_FALSE(Shown(IDC_FORMAT_PROGRESS));
  EXPECT_TRUE(ButtonsEnabled());
  EXPECT_TRUE(answerer.Boxes().empty());
  EXPECT_TRUE(dialog->Sequence().Succeeded());
}

TEST_F(ProgressDialog, AFormatErrorEndsFailedThoughTheRemountAndTheFinishSucceed) {
  Open();
  ToFormatting();
  Answer(WM_FORMAT_STATE, 1, 40);
  Answer(WM_FORMAT_STATE, 0, 40);
  for (int step : {13, 14, 15}) StepDone(step, 1);
  EXPECT_EQ(door.Count(kFinishFormat), 1);
  EXPECT_EQ(BoxTexts(), (Texts{L"format error."}));
  ExpectFailedEnd(L"format error.");
  EXPECT_EQ(Text(IDC_FORMAT_PERCENT), L"40%");
  EXPECT_EQ(BarPosition(), 40);
}

TEST_F(ProgressDialog, AFormatErrorStillRemountsAndEachStepSaysItsOwnFailure) {
  Open();
  ToFormatting();
  Answer(WM_FORMAT_STATE, 0, 37);
  EXPECT_EQ(BoxTexts(), (Texts{L"format error."}));
  EXPECT_EQ(door.Count(kRemountDisk), 1);
  EXPECT_FALSE(ButtonsEnabled());
  StepDone(13, 0);
  EXPECT_EQ(BoxTexts(), (Texts{L"format error.", L"Set Remount failed."}));
  ExpectFailedEnd(L"format error.");
  EXPECT_EQ(door.Count(kCheckRemountState), 0);
}

TEST_F(ProgressDialog, AFailedRemountCheckKeepsTheDevicesTwoSpaces) {
  Open();
  ToFormatting();
  Answer(WM_FORMAT_STATE, 2, 100);
  StepDone(13, 1);
  StepDone(14, 0);
  EXPECT_EQ(BoxTexts(), (Texts{L"CheckDiskRemountState  failed."}));
  ExpectFailedEnd(L"CheckDiskRemountState  failed.");
  EXPECT_EQ(door.Count(kFinishFormat), 0);
}

TEST_F(ProgressDialog, AFailedStopOrCreationEndsWithTheButtonsEnabled) {
  Open();
  StepDone(10, 0);
  EXPECT_EQ(BoxTexts(), (Texts{L"setting failed."}));
  ExpectFailedEnd(L"setting failed.");
  EXPECT_EQ(door.Count(kCreateVolume), 0);

  answerer.ForgetBoxes();
  dialog->DestroyWindow();
  Open();
  StepDone(10, 1);
  Answer(WM_VOLUME_CREATED, 0, 11, 1200ms);
  EXPECT_EQ(BoxTexts(), (Texts{L"setting failed."}));
  ExpectFailedEnd(L"setting failed.");
  EXPECT_EQ(door.Count(kReadFormatState), 0);
}

TEST_F(ProgressDialog, TheDevicesNoticeIsOwnedByTheDialogAndTheResultBehindItFollows) {
  Open();
  StepDone(10, 1);
  // A creation answer that cannot be read: its notice, then the creation's result by value.
  door.Finish(door.Last(kCreateVolume), [](CQuery& carrier) {
    carrier.carrierOnly = true;
    carrier.notices = {L"response_SetRaidType error"};
    carrier.resultsBehindNotices = {{WM_VOLUME_CREATED, 0, kCreateVolume}};
  });
  PumpMessages(1200ms);
  const auto boxes = answerer.Boxes();
  ASSERT_EQ(BoxTexts(), (Texts{L"response_SetRaidType error", L"setting failed."}));
  EXPECT_EQ(boxes[0].owner, Window());
  EXPECT_EQ(boxes[1].owner, Window());
  EXPECT_TRUE(ButtonsEnabled());
}

TEST_F(ProgressDialog, LaunchFailuresSayTheirMessageAndLetTheUserClose) {
  door.FailNext(kStopWebFileManager);
  Open();
  EXPECT_EQ(BoxTexts(), (Texts{L"setting failed."}));
  ExpectFailedEnd(L"setting failed.");

  answerer.ForgetBoxes();
  dialog->DestroyWindow();
  Open();
  ToFormatting();
  Answer(WM_FORMAT_STATE, 2, 100);
  door.FailNext(kCheckRemountState);
  StepDone(13, 1);
  EXPECT_EQ(BoxTexts(), (Texts{L"CheckDiskRemountState failed."}));
  ExpectFailedEnd(L"CheckDiskRemountState failed.");
}

TEST_F(ProgressDialog, EnterEscapeAndCloseDoNothingWhileAStepRunsThenEscapeIsCancel) {
  Open();
  for (UINT id : {IDOK, IDCANCEL}) dialog->SendMessage(WM_COMMAND, id);  // Enter, Escape
  dialog->SendMessage(WM_CLOSE);
  ASSERT_TRUE(::IsWindow(Window()));
  StepDone(10, 0);  // a failure frees the buttons
  dialog->SendMessage(WM_COMMAND, IDCANCEL);
  PumpMessages(30ms);
  EXPECT_FALSE(::IsWindow(Window()));
}

TEST_F(ProgressDialog, ASilentStepTimesOutAndItsLateAnswerIsIgnored) {
  Open(400);
  ToFormatting();
  Answer(WM_FORMAT_STATE, 1, 10);
  EXPECT_TRUE(answerer.Boxes().empty());
  PumpUntil([&] { return !answerer.Boxes().empty(); }, 2000ms);
  PumpMessages(50ms);
  EXPECT_EQ(BoxTexts(), (Texts{L"setting failed."}));
  ExpectFailedEnd(L"setting failed.");
  const int polls = door.Count(kReadFormatState);
  Answer(WM_FORMAT_STATE, 2, 100, 1200ms);
  EXPECT_EQ(door.Count(kReadFormatState), polls);
  EXPECT_EQ(door.Count(kRemountDisk), 0);
}

TEST_F(ProgressDialog, ASlowDeviceThatAnswersEveryStepStillFinishes) {
  Open(1000);
  constexpr auto kSlow = 500ms;  // each answer within the watch, the whole run well beyond it
  StepDone(10, 1);
  PumpMessages(kSlow);
  Answer(WM_VOLUME_CREATED, 1, 11, kSlow);
  for (int percent : {20, 40, 60, 80}) Answer(WM_FORMAT_STATE, 1, percent, kSlow);
  Answer(WM_FORMAT_STATE, 2, 100, kSlow);
  for (int step : {13, 14}) {
    StepDone(step, 1);
    PumpMessages(kSlow);
  }
  StepDone(15, 1);
  EXPECT_EQ(Text(IDC_FORMAT_TITLE), L"Complete");
  EXPECT_TRUE(answerer.Boxes().empty());
  PumpMessages(1200ms);  // no watch left running
  EXPECT_TRUE(answerer.Boxes().empty());
}

// In each interface language every label keeps its text whole at the process's DPI and at twice
// it, both while the run starts and at its end, where the longest message is.
TEST_F(ProgressDialog, EveryLabelKeepsItsTextWholeInEveryLanguageAtEveryScale) {
  CutTexts cut;
  InEveryLanguage([&](int language) {
    Open();
    const auto look = [&] { cut.Look(Window(), language); };
    AtTwoScales(Window(), {774, 506}, look);
    StepDone(10, 1);
    Answer(WM_VOLUME_CREATED, 1, 11);
    Answer(WM_FORMAT_STATE, 2, 100);
    for (int step : {13, 14, 15}) StepDone(step, 1);
    ASSERT_TRUE(dialog->Sequence().Succeeded());
    look();  // at twice the process's DPI still
    MoveToScreenOf(Window(), WindowDpi(Window()) / 2, {774, 506});
    look();
    dialog->DestroyWindow();
  });
  cut.ExpectNone("format progress");
}
}  // namespace
