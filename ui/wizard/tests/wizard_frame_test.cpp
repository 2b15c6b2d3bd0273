// The wizard frame under Wine with the fake network door and simple pages: Next applies and then
// advances, Skip, Previous, a failed command, the step markers, busy buttons, Exit, Close and
// Finish, following the device after a network change, and nothing left behind after many runs.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "base/messages.h"
#include "i18n/current_language.h"
#include "i18n/win/win_language.h"
#include "net/answer_records.h"
#include "net/device_commands.h"
#include "net/win/udp_sockets.h"
#include "res/resource.h"
#include "ui/common/inactivity_watch.h"
#include "ui/wizard/tests/support/wizard_page_fixture.h"

using namespace std::chrono_literals;

namespace {
// A page that sends a password change when applied, and answers the frame's questions as told.
class CTestPage : public CWizardPage {
 public:
  CTestPage() : CWizardPage(IDD_WIZARD_PASSWORD, {}) {}
  bool sends = true;
  bool mayCancel = true;
  int cancelQuestions = 0;
  int polls = 0;

  bool Apply() override {
    if (!sends) return false;
    SetLastLaunch(NetworkDoor().ChangePassword(FrameWindow(), Device(), L"secret"));
    return LastLaunch() != 0;
  }
  bool OnQueryCancel() override {
    ++cancelQuestions;
    return mayCancel;
  }
  bool OnPoll() override {
    ++polls;
    SetLastLaunch(NetworkDoor().SendCommand(FrameWindow(), Device(), kGetLanInfo, GetLanInfoBody()));
    return LastLaunch() != 0;
  }
};

// The main window's part: it counts the wizard's word that the device left the subnet.
int subnetChanges = 0;
LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SUBNET_CHANGED) ++subnetChanges;
  return DefWindowProcW(window, message, wParam, lParam);
}
HWND CreateOwner() {
  static const ATOM ownerClass = [] {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = OwnerProc;
    windowClass.lpszClassName = L"WizardTestOwner";
    return RegisterClassW(&windowClass);
  }();
  return CreateWindowExW(0, MAKEINTATOM(ownerClass), L"owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                         nullptr);
}

// The administrator's first three steps, on test pages.
std::vector<WizardPageEntry> ThreeSteps(std::array<CTestPage, 3>& pages) {
  return {{&pages[0], L"Password", IDD_WIZARD_PASSWORD},
          {&pages[1], L"WorkGroup", IDD_WIZARD_DEVICE_INFO},
          {&pages[2], L"TimeZone", IDD_WIZARD_TIME_ZONE}};
}

// A frame of three test pages owned by a window that stands for the main window.
class WizardFrame : public WizardPageFixture {
 protected:
  explicit WizardFrame(bool administrator = true) : WizardPageFixture(administrator, CreateOwner()) {}
  void SetUp() override {
    subnetChanges = 0;
    // Found through the computer's one adapter (row 0).
    frame.SetDevice(
        ChosenDevice{"NAS-01", "00:11:22:33:44:55", {}, "192.0.2.21", "255.255.255.0", "192.0.2.1", "0", 0});
    OpenFrame(ThreeSteps(pages));
  }
  void TearDown() override {
    WizardPageFixture::TearDown();
    DestroyWindow(owner);
  }
  void Press(int id) { frame.SendMessage(WM_COMMAND, static_cast<WPARAM>(id)); }
  bool Shown(int id) const {
    HWND button = frame.GetDlgItem(id);
    return ::IsWindowVisible(button) && ::IsWindowEnabled(button);
  }
  bool Hidden(int id) const {
    HWND button = frame.GetDlgItem(id);
    return !::IsWindowVisible(button) && !::IsWindowEnabled(button);
  }
  CWizardPage* Active() const { return frame.ActivePage(); }
  void Answer(DoorKey call, bool succeeded) {
    door.PostCgiDone(door.Last(call), succeeded);
    PumpMessages(30ms);
  }

  std::array<CTestPage, 3> pages;
};

// A user's frame: the password and drive mapping steps.
class UsersWizardFrame : public WizardFrame {
 protected:
  UsersWizardFrame() : WizardFrame(false) {}
  void SetUp() override {
    OpenFrame({{&pages[0], L"Password", IDD_WIZARD_PASSWORD}, {&pages[1], L"DriveMapping", IDD_WIZARD_DRIVE_MAPPING}});
  }
};

TEST_F(WizardFrame, OpensOnTheFirstPageWithNextOnly) {
  EXPECT_EQ(Active(), &pages[0]);
  EXPECT_TRUE(pages[0].IsCreated());
  EXPECT_FALSE(pages[1].IsCreated());  // pages are made when first shown
  EXPECT_TRUE(Shown(IDC_WIZARD_NEXT));
  EXPECT_TRUE(Hidden(IDC_WIZARD_FINISH));
  EXPECT_TRUE(Hidden(IDC_WIZARD_PREVIOUS));
  EXPECT_FALSE(::IsWindowVisible(frame.GetDlgItem(IDC_WIZARD_PAGE_AREA)));
  const RECT place = pages[0].GetWindowRect();
  EXPECT_EQ(place.right - place.left, 533);
  EXPECT_EQ(place.bottom - place.top, 232);
  EXPECT_EQ(frame.StepMarker(0).State(), CProcessButton::kCurrent);
  EXPECT_EQ(frame.StepMarker(1).State(), CProcessButton::kToCome);
  EXPECT_EQ(OpenDialogWindow, frame.GetSafeHwnd());  // the main window can close it
}

TEST_F(WizardFrame, NextAppliesWaitsForTheAnswerThenAdvances) {
  Press(IDC_WIZARD_NEXT);
  ASSERT_EQ(door.Count(DoorCall::kChangePassword), 1);
  EXPECT_EQ(door.Last(DoorCall::kChangePassword).target, frame.GetSafeHwnd());
  EXPECT_TRUE(pages[0].IsBusy());
  EXPECT_TRUE(Hidden(IDC_WIZARD_NEXT) && Hidden(IDC_WIZARD_SKIP) && Hidden(IDC_WIZARD_PREVIOUS));
  // Busy: Next does nothing, markers, Exit and Close stay usable.
  Press(IDC_WIZARD_NEXT);
  EXPECT_EQ(door.Count(DoorCall::kChangePassword), 1);
  EXPECT_TRUE(frame.StepMarker(2).IsWindowEnabled());
  EXPECT_TRUE(Shown(IDC_WIZARD_EXIT));
  EXPECT_TRUE(::IsWindowEnabled(frame.GetDlgItem(IDC_WIZARD_CLOSE)));

  Answer(DoorCall::kChangePassword, true);
  EXPECT_EQ(Active(), &pages[1]);
  EXPECT_FALSE(pages[0].IsBusy());
  EXPECT_FALSE(pages[0].IsWindowVisible());
  EXPECT_TRUE(frame.ApplyPending());
  EXPECT_TRUE(Shown(IDC_WIZARD_NEXT) && Shown(IDC_WIZARD_SKIP) && Shown(IDC_WIZARD_PREVIOUS));
  EXPECT_TRUE(Hidden(IDC_WIZARD_FINISH));
  EXPECT_EQ(frame.StepMarker(0).State(), CProcessButton::kDone);
  EXPECT_EQ(frame.StepMarker(1).State(), CProcessButton::kCurrent);
}

TEST_F(WizardFrame, APageThatRefusesKeepsEverything) {
  pages[0].sends = false;
  Press(IDC_WIZARD_NEXT);
  EXPECT_EQ(Active(), &pages[0]);
  EXPECT_TRUE(Shown(IDC_WIZARD_NEXT));
  door.FailNext(DoorCall::kChangePassword);
  pages[0].sends = true;
  Press(IDC_WIZARD_NEXT);
  EXPECT_FALSE(pages[0].IsBusy());
}

TEST_F(WizardFrame, SkipMovesWithoutACommandAndOnTheLastPageExits) {
  Press(IDC_WIZARD_SKIP);
  EXPECT_EQ(Active(), &pages[1]);
  Press(IDC_WIZARD_SKIP);
  EXPECT_EQ(Active(), &pages[2]);
  EXPECT_EQ(door.Count(DoorCall::kChangePassword), 0);
  EXPECT_TRUE(Hidden(IDC_WIZARD_NEXT));
  EXPECT_TRUE(Shown(IDC_WIZARD_FINISH) && Shown(IDC_WIZARD_PREVIOUS));
  Press(IDC_WIZARD_SKIP);
  for (const CTestPage& page : pages) EXPECT_EQ(page.cancelQuestions, 1);
  EXPECT_EQ(frame.GetSafeHwnd(), nullptr);  // ended
}

TEST_F(WizardFrame, PreviousGoesBackAndHidesItselfOnTheFirstPage) {
  Press(IDC_WIZARD_SKIP);
  Press(IDC_WIZARD_SKIP);
  Press(IDC_WIZARD_PREVIOUS);
  EXPECT_EQ(Active(), &pages[1]);
  EXPECT_TRUE(Shown(IDC_WIZARD_NEXT) && Hidden(IDC_WIZARD_FINISH) && Shown(IDC_WIZARD_PREVIOUS));
  Press(IDC_WIZARD_PREVIOUS);
  EXPECT_EQ(Active(), &pages[0]);
  EXPECT_TRUE(Hidden(IDC_WIZARD_PREVIOUS));
}

TEST_F(WizardFrame, AFailedCommandSaysSoAndOffersThePageAgainWithoutSkip) {
  Press(IDC_WIZARD_SKIP);
  Press(IDC_WIZARD_NEXT);
  Answer(DoorCall::kChangePassword, false);
  ASSERT_EQ(answerer.Boxes().size(), 1u);
  EXPECT_EQ(answerer.Boxes()[0].text, L"setting failed.");
  EXPECT_EQ(Active(), &pages[1]);
  EXPECT_TRUE(Shown(IDC_WIZARD_NEXT) && Shown(IDC_WIZARD_FINISH) && Shown(IDC_WIZARD_PREVIOUS));
  EXPECT_TRUE(Hidden(IDC_WIZARD_SKIP));
  Press(IDC_WIZARD_NEXT);  // applies again
  EXPECT_EQ(door.Count(DoorCall::kChangePassword), 2);
}

TEST_F(WizardFrame, StepMarkersGoToTheirPageOrSayItIsMissing) {
  Press(IDC_WIZARD_STEP_TIME_ZONE);
  EXPECT_EQ(Active(), &pages[2]);
  EXPECT_FALSE(pages[1].IsCreated());
  EXPECT_TRUE(Hidden(IDC_WIZARD_NEXT) && Shown(IDC_WIZARD_FINISH) && Shown(IDC_WIZARD_PREVIOUS));
  EXPECT_EQ(frame.StepMarker(2).State(), CProcessButton::kCurrent);
  EXPECT_EQ(frame.StepMarker(3).State(), CProcessButton::kToCome);
  Press(IDC_WIZARD_STEP_TIME_ZONE);  // the shown page: nothing
  Press(IDC_WIZARD_STEP_NETWORK);    // no such page
  ASSERT_EQ(answerer.Boxes().size(), 1u);
  EXPECT_EQ(answerer.Boxes()[0].text, L"Page load failure.");
  EXPECT_EQ(Active(), &pages[2]);
  Press(IDC_WIZARD_STEP_PASSWORD);
  EXPECT_TRUE(Shown(IDC_WIZARD_NEXT) && Hidden(IDC_WIZARD_FINISH) && Hidden(IDC_WIZARD_PREVIOUS));
}

TEST_F(WizardFrame, AnAnswerAfterTheUserLeftThePageDoesNotMoveTheShownPage) {
  Press(IDC_WIZARD_NEXT);
  Press(IDC_WIZARD_STEP_TIME_ZONE);
  Answer(DoorCall::kChangePassword, true);
  EXPECT_EQ(Active(), &pages[2]);
  EXPECT_FALSE(pages[0].IsBusy());
  EXPECT_TRUE(Shown(IDC_WIZARD_FINISH));
}

TEST_F(WizardFrame, ExitAndCloseAskEveryCreatedPageAndTheFirstNoStops) {
  Press(IDC_WIZARD_SKIP);
  pages[0].mayCancel = false;
  Press(IDC_WIZARD_CLOSE);
  EXPECT_EQ(pages[0].cancelQuestions, 1);
  EXPECT_EQ(pages[1].cancelQuestions, 0);
  EXPECT_EQ(pages[2].cancelQuestions, 0);  // never created
  ASSERT_NE(frame.GetSafeHwnd(), nullptr);
  pages[0].mayCancel = true;
  Press(IDC_WIZARD_EXIT);
  EXPECT_EQ(pages[1].cancelQuestions, 1);
  EXPECT_EQ(frame.GetSafeHwnd(), nullptr);
  EXPECT_EQ(OpenDialogWindow, nullptr);
  EXPECT_FALSE(pages[0].IsCreated());
}

// The dialog manager turns Enter and Escape into IDOK and IDCANCEL.
TEST_F(WizardFrame, EnterIsNextOrFinish) {
  Press(IDOK);
  EXPECT_EQ(door.Count(DoorCall::kChangePassword), 1);
  Answer(DoorCall::kChangePassword, true);
  EXPECT_EQ(Active(), &pages[1]);
  EXPECT_EQ(GetFocus(), pages[1].GetDlgItem(IDC_DEVICE_PAGE_WORKGROUP));  // the page's first field
  Press(IDC_WIZARD_STEP_TIME_ZONE);
  Press(IDOK);  // the last page: Finish
  EXPECT_EQ(frame.GetSafeHwnd(), nullptr);
}

TEST_F(WizardFrame, EscapeIsExitAndTheMainWindowClosesWithoutAQuestion) {
  pages[0].mayCancel = false;
  Press(IDCANCEL);
  EXPECT_EQ(pages[0].cancelQuestions, 1);
  ASSERT_NE(frame.GetSafeHwnd(), nullptr);
  frame.SendMessage(WM_CLOSE);
  EXPECT_EQ(pages[0].cancelQuestions, 1);
  EXPECT_EQ(frame.GetSafeHwnd(), nullptr);
}

TEST_F(WizardFrame, FinishEndsTheWizard) {
  Press(IDC_WIZARD_STEP_TIME_ZONE);
  Press(IDC_WIZARD_FINISH);
  EXPECT_EQ(frame.GetSafeHwnd(), nullptr);
}

// The volume step's marker carries the translated "Raid"; the page it opens is named "RAID",
// which no language translates, so its title stays English.
class WizardInChinese : public WizardPageFixture {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SetLanguage(kSimplifiedChineseLanguage));
    OpenFrame({{&pages[0], Tr(L"Password"), IDD_WIZARD_PASSWORD}, {&pages[1], Tr(L"RAID"), IDD_WIZARD_PASSWORD}},
              false);
  }
  void TearDown() override {
    WizardPageFixture::TearDown();
    SetLanguage(-1);
  }
  std::array<CTestPage, 2> pages;
};

TEST_F(WizardInChinese, TheVolumeMarkerIsTranslatedAndOpensThePageTitledRaid) {
  EXPECT_EQ(frame.StepMarker(4).GetWindowText(), L"\u78c1\u76d8\u9635\u5217");  // Tr("Raid")
  frame.SendMessage(WM_COMMAND, IDC_WIZARD_STEP_RAID);
  EXPECT_EQ(frame.ActivePage(), &pages[1]);
  wchar_t title[32] = {};
  GetWindowTextW(frame.GetDlgItem(IDC_WIZARD_PAGE_NAME), title, 32);
  EXPECT_STREQ(title, L"RAID");
}

TEST_F(UsersWizardFrame, AUserWithTwoPagesGetsTwoStepsAndTheMarkersByPosition) {
  EXPECT_TRUE(frame.StepMarker(0).IsWindowEnabled());
  for (int step = 1; step <= 4; ++step) EXPECT_FALSE(frame.StepMarker(step).IsWindowEnabled());
  EXPECT_TRUE(frame.StepMarker(5).IsWindowEnabled());
  Press(IDC_WIZARD_NEXT);
  Answer(DoorCall::kChangePassword, true);
  EXPECT_EQ(Active(), &pages[1]);
  EXPECT_TRUE(Hidden(IDC_WIZARD_NEXT) && Shown(IDC_WIZARD_FINISH) && Shown(IDC_WIZARD_PREVIOUS));
  EXPECT_EQ(frame.StepMarker(3).State(), CProcessButton::kDone);
  EXPECT_EQ(frame.StepMarker(5).State(), CProcessButton::kCurrent);
}

// ---------------------------------------------------------------- following a network change

class FollowingTheDevice : public WizardFrame {
 protected:
  void SetUp() override {
    WizardFrame::SetUp();
    AdapterTable& adapters = Adapters();
    adapters.count = 1;
    strcpy(adapters.rows[0].address, "192.0.2.5");
    strcpy(adapters.rows[0].mask, "255.255.255.0");
    Press(IDC_WIZARD_NEXT);
    door.Post(door.Last(DoorCall::kChangePassword), WM_CGI_DONE, 0, kSetNetwork);
    PumpMessages(30ms);
  }
  void TearDown() override {
    Adapters().count = 0;
    WizardFrame::TearDown();
  }
  void Tick() { frame.SendMessage(WM_TIMER, 1); }
  void DeviceNowAt(const char* address) {
    strcpy(WizardInfo().lan.address, address);
    strcpy(WizardInfo().lan.mask, "255.255.255.0");
    door.Post(door.Last(kGetLanInfo), WM_CGI_DONE, 0, kGetLanInfo);
    PumpMessages(30ms);
  }
};

TEST_F(FollowingTheDevice, EightUnansweredPollsThenTheNinthTickGivesUp) {
  for (int tick = 0; tick < 8; ++tick) Tick();
  EXPECT_EQ(door.Count(kGetLanInfo), 8);
  EXPECT_EQ(door.Last(kGetLanInfo).target, frame.GetSafeHwnd());
  Tick();
  EXPECT_EQ(door.Count(kGetLanInfo), 8);
  ASSERT_EQ(answerer.Boxes().size(), 1u);
  EXPECT_EQ(answerer.Boxes()[0].text, L"get NAS new ip error.");
  EXPECT_EQ(frame.PollCount(), 0);
  EXPECT_TRUE(Shown(IDC_WIZARD_NEXT));
}

TEST_F(FollowingTheDevice, ASecondChangePollsAgainFromZero) {
  for (int tick = 0; tick < 5; ++tick) Tick();
  DeviceNowAt("192.0.2.77");  // same subnet: the wizard moves on
  EXPECT_EQ(subnetChanges, 0);
  EXPECT_EQ(Active(), &pages[1]);
  Press(IDC_WIZARD_NEXT);
  door.Post(door.Last(DoorCall::kChangePassword), WM_CGI_DONE, 0, kSetNetwork);
  PumpMessages(30ms);
  EXPECT_EQ(frame.PollCount(), 0);
  for (int tick = 0; tick < 8; ++tick) Tick();
  EXPECT_EQ(door.Count(kGetLanInfo), 13);
}

TEST_F(FollowingTheDevice, AnotherSubnetTellsTheOwnerAndGoesNowhere) {
  Tick();
  DeviceNowAt("198.51.100.20");
  EXPECT_EQ(subnetChanges, 1);
  EXPECT_EQ(Active(), &pages[0]);
  Tick();  // the timer is off: a stray tick sends nothing
  EXPECT_EQ(door.Count(kGetLanInfo), 1);
}

TEST_F(FollowingTheDevice, TheDeviceMovesOnlyToTheAddressItAnswersFromAfterTheChange) {
  // What an earlier answer said of the device's address does not move it.
  strcpy(WizardInfo().lan.address, "203.0.113.9");
  EXPECT_EQ(frame.Device().address, "192.0.2.21");
  Tick();
  EXPECT_EQ(door.Last(kGetLanInfo).device.address, "192.0.2.21");
  DeviceNowAt("192.0.2.77");
  EXPECT_EQ(frame.Device().address, "192.0.2.77");
  EXPECT_EQ(frame.Device().deviceId[kDeviceIdSize - 1], 77);  // the datagrams' id follows
  EXPECT_EQ(frame.Device().macText, "00:11:22:33:44:55");
  // An answer once the poll has ended is no move of the user's.
  strcpy(WizardInfo().lan.address, "203.0.113.9");
  door.Post(door.Last(kGetLanInfo), WM_CGI_DONE, 0, kGetLanInfo);
  PumpMessages(30ms);
  EXPECT_EQ(frame.Device().address, "192.0.2.77");
}

TEST(WizardLeaks, OpenedWalkedAndClosedManyTimes) {
  CFakeNetworkDoor door;
  auto run = [&door] {
    std::array<CTestPage, 3> pages;
    CWizardDialog frame(nullptr, true);
    EXPECT_TRUE(OpenWizardFrame(frame, ThreeSteps(pages), SW_HIDE));
    frame.SendMessage(WM_COMMAND, IDC_WIZARD_NEXT);
    door.PostCgiDone(door.Last(DoorCall::kChangePassword), true);
    PumpMessages(5ms);
    frame.SendMessage(WM_COMMAND, IDC_WIZARD_STEP_TIME_ZONE);
    frame.SendMessage(WM_COMMAND, IDC_WIZARD_PREVIOUS);
    frame.SendMessage(WM_COMMAND, IDC_WIZARD_EXIT);
  };
  run();  // the first run loads what stays for the process (images, fonts)
  const GuiObjectCounts before = CountGuiObjects();
  for (int round = 0; round < 100; ++round) run();
  EXPECT_EQ(CountGuiObjects(), before);
}
}  // namespace
