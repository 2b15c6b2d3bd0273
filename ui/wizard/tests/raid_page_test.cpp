// The volume page inside the frame with the fake network door: the options the disk count
// allows, the warning, refused plans, and a whole format run through the progress dialog.
#include <gtest/gtest.h>

#include <cstring>

#include "base/messages.h"
#include "res/resource.h"
#include "framework/tests/support/ui_test_support.h"
#include "ui/wizard/raid_page.h"
#include "ui/wizard/user_name_page.h"
#include "ui/wizard/tests/support/wizard_page_fixture.h"

using namespace std::chrono_literals;

namespace {
constexpr int kOptionIds[] = {IDC_RAID_STANDARD, IDC_RAID_JBOD, IDC_RAID_0, IDC_RAID_1};

class VolumePage : public WizardPageFixture {
 protected:
  void SetUp() override {
    OpenFrame({{&volumes, L"RAID", IDD_WIZARD_RAID}, {&after, L"Password", IDD_WIZARD_PASSWORD}});
  }
  void DisksAnswer(int count, const char* first, int firstSize, const char* second = "", int secondSize = 0) {
    auto* disks = new DiskInfoResult{};
    disks->diskCount = count;
    std::strcpy(disks->firstName, first);
    disks->firstSizeGiB = firstSize;
    std::strcpy(disks->secondName, second);
    disks->secondSizeGiB = secondSize;
    door.Post(door.Last(kGetDiskInfo), WM_DISK_INFO, reinterpret_cast<WPARAM>(disks), 9);
    PumpMessages(30ms);
  }
  std::vector<bool> OptionsEnabled() const {
    std::vector<bool> enabled;
    for (int id : kOptionIds) enabled.push_back(::IsWindowEnabled(volumes.GetDlgItem(id)) != FALSE);
    return enabled;
  }
  void Choose(int id) { ::SendMessageW(volumes.GetDlgItem(id), BM_SETCHECK, BST_CHECKED, 0); }
  // The device answers each step at once, the format state with `formatState` (2 finished, 0 an
  // error, which the dialog says in a box first); the dialog's OK is taken once the run is over.
  void AnswerTheFormatRun(WPARAM formatState) {
    answerer.OnDialog(IDC_FORMAT_PERCENT, [this, formatState](HWND dialog) {
      PostMessageW(dialog, WM_DISK_STEP_DONE, 1, 10);
      PostMessageW(dialog, WM_VOLUME_CREATED, 1, 11);
      const size_t boxes = answerer.Boxes().size();
      PostMessageW(dialog, WM_FORMAT_STATE, formatState, 100);
      if (formatState == 0) answerer.WaitForBoxes(boxes + 1);
      for (LPARAM step : {13, 14, 15}) PostMessageW(dialog, WM_DISK_STEP_DONE, 1, step);
      ClickControl(dialog, IDC_FORMAT_OK);
    });
  }

  CRaidPage volumes;
  CUserNamePage after;
};

using Enabled = std::vector<bool>;

TEST_F(VolumePage, TheOptionsFollowTheDiskCountReadEachTimeThePageIsShown) {
  const DoorStart read = door.Last(kGetDiskInfo);
  EXPECT_EQ(read.target, volumes.GetSafeHwnd());
  EXPECT_EQ(OptionsEnabled(), (Enabled{false, false, false, false}));
  EXPECT_EQ(volumes.ChosenLevel(), VolumeLevel::kStandard);
  DisksAnswer(1, "sda", 500);
  EXPECT_EQ(OptionsEnabled(), (Enabled{true, false, false, false}));
  EXPECT_EQ(volumes.DiskCount(), 1);

  frame.SendMessage(WM_COMMAND, IDC_WIZARD_STEP_PASSWORD);
  frame.SendMessage(WM_COMMAND, IDC_WIZARD_STEP_RAID);
  EXPECT_EQ(door.Count(kGetDiskInfo), 2);
  EXPECT_EQ(OptionsEnabled(), (Enabled{false, false, false, false}));
  DisksAnswer(2, "sda", 500, "sdb", 1000);
  EXPECT_EQ(OptionsEnabled(), (Enabled{true, true, true, true}));

  frame.SendMessage(WM_COMMAND, IDC_WIZARD_STEP_PASSWORD);
  frame.SendMessage(WM_COMMAND, IDC_WIZARD_STEP_RAID);
  DisksAnswer(3, "sda", 500, "sdb", 1000);
  EXPECT_EQ(answerer.Boxes().at(0).text, L"No hard disk is detected.");
  EXPECT_EQ(OptionsEnabled(), (Enabled{false, false, false, false}));
  EXPECT_EQ(volumes.DiskCount(), 0);
}

TEST_F(VolumePage, WithoutADiskAnswerOrAfterACancelledWarningNothingIsSent) {
  Next();
  EXPECT_TRUE(answerer.Boxes().empty());
  DisksAnswer(2, "sda", 500, "sdb", 1000);
  answerer.QueueButtons({IDCANCEL});
  Next();
  ASSERT_EQ(answerer.Boxes().size(), 1u);
  EXPECT_EQ(answerer.Boxes()[0].caption, L"Warning");
  EXPECT_EQ(answerer.Boxes()[0].text,
            L"It will rebuild you disk, be sure you want to do it and press \"OK\" button to continue...");
  EXPECT_EQ(door.Count(kStopWebFileManager), 0);
  EXPECT_TRUE(volumes.IsActive());
  EXPECT_FALSE(volumes.IsBusy());
}

TEST_F(VolumePage, PlansThatCannotBeSentAreRefusedAfterTheWarning) {
  DisksAnswer(0, "", 0);
  answerer.ForgetBoxes();
  Next();
  EXPECT_EQ(answerer.Boxes().at(1).text, L"No hard disk is detected.");
  frame.SendMessage(WM_COMMAND, IDC_WIZARD_STEP_PASSWORD);
  frame.SendMessage(WM_COMMAND, IDC_WIZARD_STEP_RAID);
  DisksAnswer(2, "disk12345", 500, "disk67890", 500);
  Choose(IDC_RAID_1);
  answerer.ForgetBoxes();
  Next();
  EXPECT_EQ(answerer.Boxes().at(1).text,
            L"The names of the two disks are together longer than the 9 characters the device accepts.");
  EXPECT_EQ(door.Count(kStopWebFileManager), 0);
  EXPECT_TRUE(volumes.IsActive());
}

TEST_F(VolumePage, ACompletedFormatRunEndsInTheNextPage) {
  DisksAnswer(2, "sda", 500, "sdb", 1000);
  Choose(IDC_RAID_0);
  AnswerTheFormatRun(2);
  Next();
  const std::vector<VolumeRequest> plan = door.Last(kCreateVolume).Plan();
  ASSERT_EQ(plan.size(), 2u);
  EXPECT_STREQ(plan[0].level, "raid0");
  EXPECT_STREQ(plan[1].disks, "sdasdb");
  EXPECT_EQ(door.Count(kFinishFormat), 1);
  PumpMessages(50ms);
  EXPECT_TRUE(after.IsActive());
  // Another run needs a fresh disk answer.
  frame.SendMessage(WM_COMMAND, IDC_WIZARD_STEP_RAID);
  EXPECT_EQ(door.Count(kGetDiskInfo), 2);
}

TEST_F(VolumePage, AFailedFormatRunKeepsThePageForAnotherTryOrASkip) {
  DisksAnswer(2, "sda", 500, "sdb", 1000);
  AnswerTheFormatRun(0);
  Next();
  EXPECT_EQ(door.Count(kFinishFormat), 1);  // the disks were handed back all the same
  PumpMessages(50ms);
  EXPECT_TRUE(volumes.IsActive());
  EXPECT_FALSE(volumes.IsBusy());
  EXPECT_TRUE(::IsWindowVisible(frame.GetDlgItem(IDC_WIZARD_NEXT)));
  EXPECT_TRUE(::IsWindowVisible(frame.GetDlgItem(IDC_WIZARD_SKIP)));
  // The disks are read again, and their answer lets the user run the format once more.
  EXPECT_EQ(door.Count(kGetDiskInfo), 2);
  DisksAnswer(2, "sda", 500, "sdb", 1000);
  AnswerTheFormatRun(2);
  Next();
  EXPECT_EQ(door.Count(kCreateVolume), 2);
  PumpMessages(50ms);
  EXPECT_TRUE(after.IsActive());
}

TEST_F(VolumePage, AClickedOptionIsTheOnlyOneChosen) {
  DisksAnswer(2, "sda", 500, "sdb", 1000);
  ::SendMessageW(volumes.GetDlgItem(IDC_RAID_1), BM_CLICK, 0, 0);
  // The first checked option decides: the one checked before must have let go (waited for, as the
  // click's messages may still be queued on a loaded machine).
  EXPECT_TRUE(PumpUntil([&] { return volumes.ChosenLevel() == VolumeLevel::kRaid1; }, 2000ms));
}
}  // namespace
