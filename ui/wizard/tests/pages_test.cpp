// The password and device information pages inside the frame, with the fake network door: their
// checks in order, the messages, the placeholder, the byte limits and what they send.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>

#include "base/messages.h"
#include "net/answer_records.h"
#include "net/device_commands.h"
#include "res/resource.h"
#include "framework/dpi.h"
#include "skin/controls/tests/support/cut_labels.h"
#include "framework/tests/support/ui_test_support.h"
#include "ui/wizard/user_group_page.h"
#include "ui/wizard/user_name_page.h"
#include "ui/wizard/tests/support/wizard_page_fixture.h"

using namespace std::chrono_literals;

namespace {
class WizardPages : public WizardPageFixture {
 protected:
  void SetUp() override {
    OpenFrame({{&password, L"Password", IDD_WIZARD_PASSWORD}, {&device, L"WorkGroup", IDD_WIZARD_DEVICE_INFO}},
              /*show=*/false);
  }
  void Type(CWizardPage& page, int id, const wchar_t* text) { ::SetWindowTextW(page.GetDlgItem(id), text); }
  std::wstring Text(CWizardPage& page, int id) {
    wchar_t text[128] = {};
    ::GetWindowTextW(page.GetDlgItem(id), text, 128);
    return text;
  }
  void ShowDevicePage() {
    frame.SendMessage(WM_COMMAND, IDC_WIZARD_STEP_DEVICE_INFO);
    ASSERT_EQ(frame.ActivePage(), &device);
  }

  CUserNamePage password;
  CUserGroupPage device;
};

TEST_F(WizardPages, PasswordPlaceholderAndMismatch) {
  Type(password, IDC_PASSWORD_PAGE_PASSWORD, L"abc");
  Type(password, IDC_PASSWORD_PAGE_CONFIRM, L"abd");
  Next();
  EXPECT_EQ(Text(password, IDC_PASSWORD_PAGE_PASSWORD), L"Please input password.");
  EXPECT_EQ(Text(password, IDC_PASSWORD_PAGE_CONFIRM), L"Please input password.");
  Next();
  const auto boxes = answerer.Boxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text, L"The password and confirmation password characters do not match.");
  EXPECT_EQ(boxes[1].text, L"Pleace input your new password or skip this step.");
  EXPECT_EQ(door.Count(DoorCall::kChangePassword), 0);
}

TEST_F(WizardPages, PasswordForbiddenCharactersGiveOneErrorWithTheWholeList) {
  Type(password, IDC_PASSWORD_PAGE_PASSWORD, L"a%b@c/");
  Type(password, IDC_PASSWORD_PAGE_CONFIRM, L"a%b@c/");
  Next();
  const auto boxes = answerer.Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, L"Error");
  EXPECT_EQ(boxes[0].text, L"The Password must not include the following characters:/\\'\"$#@:%.");
  EXPECT_EQ(Text(password, IDC_PASSWORD_PAGE_PASSWORD), L"a%b@c/");  // kept
  EXPECT_EQ(door.Count(DoorCall::kChangePassword), 0);
}

TEST_F(WizardPages, PasswordLengthIsCheckedInBytesAndEmptyIsSent) {
  Type(password, IDC_PASSWORD_PAGE_PASSWORD, L"0123456789abcdef");
  Type(password, IDC_PASSWORD_PAGE_CONFIRM, L"0123456789abcdef");
  Next();
  ASSERT_EQ(answerer.Boxes().size(), 1u);
  EXPECT_EQ(answerer.Boxes()[0].text, L"The Password must not be longer than 15 bytes.");
  EXPECT_EQ(door.Count(DoorCall::kChangePassword), 0);
  Type(password, IDC_PASSWORD_PAGE_PASSWORD, L"");
  Type(password, IDC_PASSWORD_PAGE_CONFIRM, L"");
  Next();
  ASSERT_EQ(door.Count(DoorCall::kChangePassword), 1);
  EXPECT_EQ(door.Last(DoorCall::kChangePassword).password, L"");
  EXPECT_EQ(door.Last(DoorCall::kChangePassword).target, frame.GetSafeHwnd());
}

TEST_F(WizardPages, PasswordLaunchFailureSaysSoAndResetsTheFields) {
  Type(password, IDC_PASSWORD_PAGE_PASSWORD, L"0123456789abcde");
  Type(password, IDC_PASSWORD_PAGE_CONFIRM, L"0123456789abcde");
  door.FailNext(DoorCall::kChangePassword);
  Next();
  ASSERT_EQ(answerer.Boxes().size(), 1u);
  EXPECT_EQ(answerer.Boxes()[0].text, L"SetNASPW failed.");
  EXPECT_EQ(Text(password, IDC_PASSWORD_PAGE_CONFIRM), L"Please input password.");
  EXPECT_FALSE(password.IsBusy());
}

TEST_F(WizardPages, DevicePageShowsWhatTheDeviceSaysEachTime) {
  ShowDevicePage();
  const DoorStart read = door.Last(kGetWizardInfo);
  EXPECT_EQ(read.target, device.GetSafeHwnd());
  WizardInfoRecord& info = WizardInfo();
  strcpy(info.hostName, "NAS-01");
  strcpy(info.workgroup, "HOME");
  strcpy(info.description, "shelf");
  door.PostCgiDone(read, true);
  PumpMessages(30ms);
  EXPECT_EQ(Text(device, IDC_DEVICE_PAGE_NAME), L"NAS-01");
  EXPECT_EQ(Text(device, IDC_DEVICE_PAGE_WORKGROUP), L"HOME");
  EXPECT_EQ(Text(device, IDC_DEVICE_PAGE_DESCRIPTION), L"shelf");
  door.PostCgiDone(read, false);
  PumpMessages(30ms);
  ASSERT_EQ(answerer.Boxes().size(), 1u);
  EXPECT_EQ(answerer.Boxes()[0].text, L"Get wizard information failed.");
  EXPECT_EQ(Text(device, IDC_DEVICE_PAGE_NAME), L"NAS-01");
}

TEST_F(WizardPages, DevicePageTheListOrderDecidesWhichFieldIsNamed) {
  ShowDevicePage();
  Type(device, IDC_DEVICE_PAGE_NAME, L"my.nas");        // '.' is last in the list
  Type(device, IDC_DEVICE_PAGE_WORKGROUP, L"work*grp");  // '*' is first
  Next();
  ASSERT_EQ(answerer.Boxes().size(), 1u);
  EXPECT_EQ(answerer.Boxes()[0].caption, L"Error");
  EXPECT_EQ(answerer.Boxes()[0].text,
            L"The Workgroup must not include the following characters:*+=|/\\:';<>?,\"$%&[]{}#@!~()^..");
  EXPECT_EQ(door.Count(kSetDeviceInfo), 0);
}

TEST_F(WizardPages, DevicePageSendsTheDescriptionWholeAndRefusesWhatDoesNotFit) {
  ShowDevicePage();
  Type(device, IDC_DEVICE_PAGE_NAME, L"NAS-02");
  Type(device, IDC_DEVICE_PAGE_WORKGROUP, L"");
  Type(device, IDC_DEVICE_PAGE_DESCRIPTION, L"0123456789012345678901234567890");
  Next();
  ASSERT_EQ(answerer.Boxes().size(), 1u);
  EXPECT_EQ(answerer.Boxes()[0].text, L"The Description must not be longer than 30 bytes.");
  EXPECT_EQ(door.Count(kSetDeviceInfo), 0);
  Type(device, IDC_DEVICE_PAGE_DESCRIPTION, L"Tom & Jerry");
  Next();
  ASSERT_EQ(door.Count(kSetDeviceInfo), 1);
  const DoorStart sent = door.Last(kSetDeviceInfo);
  EXPECT_EQ(sent.Field("hostname"), "NAS-02");
  EXPECT_EQ(sent.Field("workgroup"), "");
  EXPECT_EQ(sent.Field("description"), "Tom & Jerry");
}

TEST_F(WizardPages, EditLimits) {
  ShowDevicePage();
  EXPECT_EQ(::SendMessageW(device.GetDlgItem(IDC_DEVICE_PAGE_NAME), EM_GETLIMITTEXT, 0, 0), 15);
  EXPECT_EQ(::SendMessageW(device.GetDlgItem(IDC_DEVICE_PAGE_WORKGROUP), EM_GETLIMITTEXT, 0, 0), 15);
  EXPECT_EQ(::SendMessageW(device.GetDlgItem(IDC_DEVICE_PAGE_DESCRIPTION), EM_GETLIMITTEXT, 0, 0), 30);
}
}  // namespace

namespace {
// `control`'s rectangle in `parent`'s client coordinates is `at96` at `dpi`, within 2 pixels.
bool PlacedAtDpi(HWND parent, HWND control, const RECT& at96, UINT dpi) {
  RECT place{};
  GetWindowRect(control, &place);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
  const RECT expected = ScaleToDpi(at96, dpi);
  return std::abs(place.left - expected.left) <= 2 && std::abs(place.top - expected.top) <= 2 &&
         std::abs(place.right - expected.right) <= 2 && std::abs(place.bottom - expected.bottom) <= 2;
}
}  // namespace

TEST_F(WizardPages, OnAScreenOfAnotherScaleTheFrameAndItsPageFollow) {
  const UINT dpi = WindowDpi(frame.GetSafeHwnd()) * 2;
  RECT suggested = frame.GetWindowRect();
  suggested.right = suggested.left + ScaleToDpi(774, dpi);
  suggested.bottom = suggested.top + ScaleToDpi(506, dpi);
  frame.SendMessage(kDpiChangedMessage, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));

  const RECT window = frame.GetWindowRect();
  EXPECT_NEAR(window.right - window.left, ScaleToDpi(774, dpi), 2);
  EXPECT_NEAR(window.bottom - window.top, ScaleToDpi(506, dpi), 2);
  EXPECT_TRUE(PlacedAtDpi(frame.GetSafeHwnd(), frame.GetDlgItem(IDC_WIZARD_NEXT), {392, 435, 502, 469}, dpi));
  EXPECT_TRUE(PlacedAtDpi(frame.GetSafeHwnd(), password.GetSafeHwnd(), kWizardPageArea, dpi));
  EXPECT_TRUE(
      PlacedAtDpi(password.GetSafeHwnd(), password.GetDlgItem(IDC_PASSWORD_PAGE_PASSWORD), {188, 69, 376, 97}, dpi));
  // The frame's and the page's labels keep their texts whole.
  int checked = 0;
  for (const HWND shown : {frame.GetSafeHwnd(), password.GetSafeHwnd()}) {
    for (const std::wstring& text : CutLabels(shown, checked)) {
      ADD_FAILURE() << "cut at " << dpi << " DPI: " << std::string(text.begin(), text.end());
    }
  }
  EXPECT_GT(checked, 0);
}
