// The main window against the fake network door: start-up, the login states' controls, the
// device list after a search, the volume panels, results of overtaken requests, Refresh, Logout,
// Help and the title.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "base/messages.h"
#include "net/login_credentials.h"
#include "res/version.h"
#include "settings/setting_names.h"
#include "settings/win/settings_file.h"
#include "framework/dpi.h"
#include "rules/control_states.h"
#include "skin/controls/tests/support/cut_labels.h"
#include "ui/main/tests/main_window_fixture.h"

namespace {
std::vector<int> EnabledOf(const CTamselDlg& window) {
  std::vector<int> enabled;
  for (int id : kStateControls) {
    if (IsWindowEnabled(window.GetDlgItem(id))) enabled.push_back(id);
  }
  return enabled;
}

std::vector<int> EnabledIn(const ControlStates& states) {
  std::vector<int> enabled;
  for (size_t column = 0; column < states.size(); ++column) {
    if (states[column]) enabled.push_back(kStateControls[column]);
  }
  return enabled;
}

// While a search runs only the device list is usable: it fills as the devices answer.
const std::vector<int> kEnabledWhileSearching{IDC_DEVICE_LIST};
}  // namespace

TEST_F(MainWindowTest, StartsSearchingWithOnlyTheDeviceListUsableAndThePopupHidden) {
  Open();
  EXPECT_EQ(door.Count(DoorCall::kSearchDevices), 1);
  EXPECT_EQ(door.Last(DoorCall::kSearchDevices).target, window.GetSafeHwnd());
  EXPECT_EQ(EnabledOf(window), kEnabledWhileSearching);
  EXPECT_FALSE(window.Popup().IsWindowVisible());
  EXPECT_FALSE(Visible(IDC_AUTO_SORTING));
  EXPECT_FALSE(Visible(IDC_SHORTCUT_PLAY_CENTER));
  EXPECT_FALSE(Visible(IDC_SHORTCUT_SURVEILLANCE_CENTER));
  EXPECT_TRUE(Visible(IDC_SHORTCUT_BACKUP_CENTER));
  const std::wstring title = L"Drovik ( " + std::to_wstring(DROVIK_VERSION_MAJOR) + L"." +
                             std::to_wstring(DROVIK_VERSION_MINOR) + L"." + std::to_wstring(DROVIK_VERSION_BUILD) +
                             L"." + std::to_wstring(DROVIK_VERSION_REVISION) + L" )";
  EXPECT_EQ(window.TitleText(), title);
  EXPECT_EQ(Text(IDC_MAIN_TITLE), title);
  RECT place = window.GetClientRect();
  EXPECT_EQ(place.right, 900);
  EXPECT_EQ(place.bottom, 600);
}

namespace {
// The popup is a child dialog of the main window; its windows are made at its first use.
HWND PopupWindowOf(const CTamselDlg& window) { return FindWindowExW(window.GetSafeHwnd(), nullptr, L"#32770", nullptr); }
}  // namespace

TEST_F(MainWindowTest, ThePopupIsMadeAtItsFirstUseInItsPlace) {
  Open();
  FinishSearch({{"NAS-01", "192.0.2.10"}});
  window.SendMessage(WM_COMMAND, IDC_REFRESH);
  window.SendMessage(WM_COMMAND, IDC_MAIN_NETWORK);
  EXPECT_EQ(PopupWindowOf(window), nullptr);

  LogInAsAdministrator();
  FinishVolumeStatus({{1, 8 << 20, 4 << 20, nullptr}});
  const HWND popup = PopupWindowOf(window);
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(popup, window.Popup().GetSafeHwnd());
  EXPECT_TRUE(IsWindowVisible(popup));
  RECT place{};
  GetWindowRect(popup, &place);
  MapWindowPoints(nullptr, window.GetSafeHwnd(), reinterpret_cast<POINT*>(&place), 2);
  EXPECT_EQ(place.left, 300);
  EXPECT_EQ(place.top, 96);
  EXPECT_EQ(place.right, 881);
  EXPECT_EQ(place.bottom, 454);
}

TEST_F(MainWindowTest, EachLoginStateEnablesExactlyItsControls) {
  Open();
  for (int state : {0, 1, 2, 3, 1, 7, -1}) {
    window.SetControlState(state);
    EXPECT_EQ(EnabledOf(window), EnabledIn(StateControls(state))) << "state " << state;
  }
}

TEST_F(MainWindowTest, ASearchThatCannotStartAtStartUpIsReportedAndLeavesRefreshUsable) {
  door.FailNext(DoorCall::kSearchDevices);
  Open();
  EXPECT_EQ(BoxTexts(), std::vector<std::wstring>{L"Refresh NAS list failed."});
  EXPECT_TRUE(Enabled(IDC_REFRESH));
  EXPECT_FALSE(Enabled(IDC_LOGOUT));
  window.SendMessage(WM_COMMAND, IDC_REFRESH);
  EXPECT_EQ(door.Count(DoorCall::kSearchDevices), 2);
  EXPECT_FALSE(Enabled(IDC_REFRESH));  // searching again
}

TEST_F(MainWindowTest, AFinishedSearchListsTheDevicesAndSelectsTheRememberedOneLastMatchWinning) {
  WriteSetting(kServNameSetting.section, kServNameSetting.key, L"nas-b");
  Open();
  FinishSearch({{"NAS-A", "192.0.2.10"}, {"NAS-B", "192.0.2.11"}, {"nas-B", "192.0.2.12"}, {"NAS-C", "192.0.2.13"}});
  CComboBox& list = *static_cast<CComboBox*>(CWnd::FromHandle(window.GetDlgItem(IDC_DEVICE_LIST)));
  ASSERT_EQ(list.GetCount(), 4);
  EXPECT_EQ(list.GetLBText(0), L"NAS-A");
  EXPECT_EQ(list.GetLBText(3), L"NAS-C");
  EXPECT_EQ(list.GetCurSel(), 2);
  EXPECT_EQ(EnabledOf(window), EnabledIn(StateControls(kLoggedOut)));
}

TEST_F(MainWindowTest, WithoutARememberedMatchTheFirstDeviceIsSelected) {
  WriteSetting(kServNameSetting.section, kServNameSetting.key, L"elsewhere");
  Open();
  FinishSearch({{"NAS-A", "192.0.2.10"}, {"NAS-B", "192.0.2.11"}});
  EXPECT_EQ(SendMessageW(window.GetDlgItem(IDC_DEVICE_LIST), CB_GETCURSEL, 0, 0), 0);
}

TEST_F(MainWindowTest, AnAdministratorGetsEveryControlAndFiveVolumesFillFourPanels) {
  LogInAsAdministrator();
  EXPECT_EQ(EnabledOf(window).size(), kStateControls.size());
  EXPECT_EQ(Text(IDC_MAIN_WELCOME), L"Welcome admin");
  EXPECT_STREQ(LoginCredentials().userName, "admin");
  EXPECT_STREQ(LoginCredentials().password, "secret");
  const DoorStart volumes = door.Last(DoorCall::kGetVolumeStatus);
  EXPECT_EQ(volumes.device.macText, "00:11:22:33:44:00");
  EXPECT_FALSE(window.Popup().IsWindowVisible());
  FinishVolumeStatus({{1, 400 << 20, 100 << 20, nullptr},
                      {2, 200 << 20, 50 << 20, nullptr},
                      {3, 100 << 20, 10 << 20, nullptr},
                      {4, 10 << 20, 1 << 20, nullptr},
                      {5, 10 << 20, 2 << 20, nullptr}});
  EXPECT_TRUE(window.Popup().IsWindowVisible());
  EXPECT_EQ(window.Popup().VolumeCount(), 4);
  EXPECT_EQ(window.Popup().VolumePanel(0)->NameText().GetWindowText(), L"Volume_1");
  EXPECT_EQ(window.Popup().VolumePanel(0)->SizeText().GetWindowText(), L"100G Used/400G Available");
  EXPECT_EQ(window.Popup().VolumePanel(3)->NameText().GetWindowText(), L"Volume_4");
  EXPECT_EQ(window.Popup().Line(0), L"NAS-01");
  EXPECT_EQ(window.Popup().Line(1), L"IP:192.0.2.10");
}

TEST_F(MainWindowTest, TheVolumeListEndsAtAVolumeNumberedZero) {
  LogInAsAdministrator();
  FinishVolumeStatus({{1, 8 << 20, 4 << 20, nullptr}, {0, 8 << 20, 4 << 20, nullptr}, {3, 8 << 20, 4 << 20, nullptr}});
  EXPECT_EQ(window.Popup().VolumeCount(), 1);
}

TEST_F(MainWindowTest, AResultOfAnOvertakenRequestIsDroppedUnread) {
  Open();
  const DoorStart first = door.Last(DoorCall::kSearchDevices);
  window.SendMessage(WM_COMMAND, IDC_REFRESH);  // a second search overtakes the first
  SearchReplyFields reply{};
  std::strcpy(reply.name, "LATE");
  std::strcpy(reply.address, "192.0.2.20");
  std::strcpy(reply.mask, kAdapterMask);
  std::strcpy(reply.macText, "00:11:22:33:44:99");
  NasDeviceList::Instance().Merge(reply, 0, kAdapterAddress, kAdapterMask);
  door.Finish(first);
  Deliver();
  EXPECT_EQ(SendMessageW(window.GetDlgItem(IDC_DEVICE_LIST), CB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(EnabledOf(window), kEnabledWhileSearching);  // still searching

  door.Finish(door.Last(DoorCall::kSearchDevices));
  Deliver();
  EXPECT_EQ(SendMessageW(window.GetDlgItem(IDC_DEVICE_LIST), CB_GETCOUNT, 0, 0), 1);
}

TEST_F(MainWindowTest, RefreshWhileLoggedInLogsOutAndDisablesEverythingUntilTheListIsBack) {
  LogInAsAdministrator();
  FinishVolumeStatus({{1, 8 << 20, 4 << 20, nullptr}});
  window.SendMessage(WM_COMMAND, IDC_REFRESH);
  EXPECT_EQ(EnabledOf(window), kEnabledWhileSearching);
  EXPECT_FALSE(window.Popup().IsWindowVisible());
  EXPECT_STREQ(LoginCredentials().userName, "");
  EXPECT_EQ(Text(IDC_MAIN_WELCOME), L"");
  EXPECT_EQ(door.Count(DoorCall::kSearchDevices), 2);
  FinishSearch({{"NAS-01", "192.0.2.10"}});
  EXPECT_EQ(EnabledOf(window), EnabledIn(StateControls(kLoggedOut)));
}

TEST_F(MainWindowTest, LogoutClearsTheLoginAndKeepsTheDeviceList) {
  LogInAsAdministrator();
  FinishVolumeStatus({{1, 8 << 20, 4 << 20, nullptr}});
  ShareList().push_back({u"public", u""});
  window.SendMessage(WM_COMMAND, IDC_LOGOUT);
  EXPECT_EQ(EnabledOf(window), EnabledIn(StateControls(kLoggedOut)));
  EXPECT_FALSE(window.Popup().IsWindowVisible());
  EXPECT_STREQ(LoginCredentials().userName, "");
  EXPECT_STREQ(LoginCredentials().password, "");
  EXPECT_TRUE(ShareList().empty());
  EXPECT_EQ(Text(IDC_MAIN_WELCOME), L"");
  EXPECT_EQ(SendMessageW(window.GetDlgItem(IDC_DEVICE_LIST), CB_GETCOUNT, 0, 0), 1);
  EXPECT_EQ(door.Count(DoorCall::kSearchDevices), 1);
}

TEST_F(MainWindowTest, HelpShowsTheTitleAndCloseEndsTheWindow) {
  Open();
  answerer.QueueButtons({IDCANCEL});
  window.SendMessage(WM_COMMAND, IDC_MAIN_HELP);
  ASSERT_EQ(answerer.Boxes().size(), 1u);
  EXPECT_EQ(answerer.Boxes()[0].caption, L"Help");
  EXPECT_EQ(answerer.Boxes()[0].text, window.TitleText());
  window.SendMessage(WM_COMMAND, IDC_CLOSE);
  EXPECT_FALSE(IsWindow(window.GetSafeHwnd()));
}

namespace {
// `control`'s rectangle in `parent`'s client coordinates.
RECT PlaceIn(HWND parent, HWND control) {
  RECT place{};
  GetWindowRect(control, &place);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
  return place;
}

bool ScaledNear(const RECT& actual, const RECT& at96, UINT dpi) {
  const RECT expected = ScaleToDpi(at96, dpi);
  return std::abs(actual.left - expected.left) <= 2 && std::abs(actual.top - expected.top) <= 2 &&
         std::abs(actual.right - expected.right) <= 2 && std::abs(actual.bottom - expected.bottom) <= 2;
}
}  // namespace

TEST_F(MainWindowTest, OnAScreenOfAnotherScaleTheWindowItsControlsAndThePopupFollow) {
  Open();
  LogInAsAdministrator();
  FinishVolumeStatus({{1, 8 << 20, 4 << 20, nullptr}});
  const HWND popup = PopupWindowOf(window);
  ASSERT_NE(popup, nullptr);
  const UINT dpi = WindowDpi(window.GetSafeHwnd()) * 2;
  RECT suggested = window.GetWindowRect();
  suggested.right = suggested.left + ScaleToDpi(900, dpi);
  suggested.bottom = suggested.top + ScaleToDpi(600, dpi);
  window.SendMessage(kDpiChangedMessage, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));

  EXPECT_EQ(WindowDpi(popup), dpi);
  const RECT client = window.GetClientRect();
  EXPECT_NEAR(client.right, ScaleToDpi(900, dpi), 2);
  EXPECT_NEAR(client.bottom, ScaleToDpi(600, dpi), 2);
  EXPECT_TRUE(ScaledNear(PlaceIn(window.GetSafeHwnd(), window.GetDlgItem(IDC_CONNECT)), {32, 172, 142, 206}, dpi));
  EXPECT_TRUE(ScaledNear(PlaceIn(window.GetSafeHwnd(), window.GetDlgItem(IDC_CLOSE)), {846, 16, 871, 41}, dpi));
  // The popup keeps its place and size at the new scale, and so do its lines.
  EXPECT_TRUE(ScaledNear(PlaceIn(window.GetSafeHwnd(), popup), {300, 96, 881, 454}, dpi));
  EXPECT_TRUE(ScaledNear(PlaceIn(popup, GetDlgItem(popup, IDC_INFO_NAME)), {30, 15, 551, 41}, dpi));
  // The window's and the popup's labels still hold their texts whole.
  int checked = 0;
  for (const HWND shown : {window.GetSafeHwnd(), popup}) {
    for (const std::wstring& text : CutLabels(shown, checked)) {
      ADD_FAILURE() << "cut at " << dpi << " DPI: " << std::string(text.begin(), text.end());
    }
  }
  EXPECT_GT(checked, 0);
}
