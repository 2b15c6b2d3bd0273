// The main window with its two dialogs: the idle time chosen in the settings dialog stored and
// applied, the inactivity logout closing an open settings dialog whose choice is then not stored,
// and the administrator moving a device from another subnet with the device IP dialog.
#include <gtest/gtest.h>

#include "base/messages.h"
#include "net/op_kinds.h"
#include "res/resource.h"
#include "settings/setting_names.h"
#include "ui/common/inactivity_watch.h"
#include "ui/main/tests/main_window_fixture.h"

using namespace std::chrono_literals;

namespace {
// A dialog script: tick time choice `id`, then press `button` (0: leave the dialog open).
std::function<void(HWND)> Choose(int id, int button) {
  return [=](HWND dialog) {
    SendMessageW(GetDlgItem(dialog, id), BM_SETCHECK, BST_CHECKED, 0);
    if (button) ClickControl(dialog, button);
  };
}
}  // namespace

TEST_F(MainWindowTest, TheChosenIdleTimeIsStoredAndAppliedAndManualLogoutStopsTheTimer) {
  InactivityTimeout = 60000;
  LogInAsAdministrator();
  answerer.OnDialog(IDC_LOGOUT_MANUALLY, Choose(IDC_LOGOUT_3_MIN, IDC_SETTINGS_OK));
  window.SendMessage(WM_COMMAND, IDC_SETTINGS);
  EXPECT_EQ(Setting(kLoginOutTimeSetting.section, kLoginOutTimeSetting.key), L"180000:");
  EXPECT_EQ(InactivityTimeout, 180000u);

  answerer.OnDialog(IDC_LOGOUT_MANUALLY, Choose(IDC_LOGOUT_MANUALLY, IDC_SETTINGS_OK));
  window.SendMessage(WM_COMMAND, IDC_SETTINGS);
  EXPECT_EQ(Setting(kLoginOutTimeSetting.section, kLoginOutTimeSetting.key), L"0:");
  EXPECT_EQ(InactivityTimeout, 0u);
  EXPECT_FALSE(KillTimer(window.GetSafeHwnd(), kInactivityTimer));  // no timer left running

  answerer.OnDialog(IDC_LOGOUT_MANUALLY, Choose(IDC_LOGOUT_1_MIN, IDC_SETTINGS_CANCEL));
  window.SendMessage(WM_COMMAND, IDC_SETTINGS);
  EXPECT_EQ(Setting(kLoginOutTimeSetting.section, kLoginOutTimeSetting.key), L"0:");
  EXPECT_EQ(InactivityTimeout, 0u);
  EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(MainWindowTest, TheTimeoutWithTheSettingsDialogOpenLogsOutThenClosesItUnstored) {
  InactivityTimeout = 60000;
  LogInAsAdministrator();
  const std::wstring stored = Setting(kLoginOutTimeSetting.section, kLoginOutTimeSetting.key);
  InactivityTimeout = 400;
  window.SendMessage(WM_USER_ACTIVITY);  // the timer now runs out while the dialog is open
  answerer.OnDialog(IDC_LOGOUT_MANUALLY, Choose(IDC_LOGOUT_MANUALLY, 0));
  window.SendMessage(WM_COMMAND, IDC_SETTINGS);

  EXPECT_EQ(BoxTexts(), std::vector<std::wstring>{L"Time out, please login again."});
  EXPECT_EQ(OpenDialogWindow, nullptr);
  EXPECT_EQ(InactivityTimeout, 400u);
  EXPECT_EQ(Setting(kLoginOutTimeSetting.section, kLoginOutTimeSetting.key), stored);
  EXPECT_FALSE(Enabled(IDC_LOGOUT));
  EXPECT_TRUE(Enabled(IDC_CONNECT));
}

TEST_F(MainWindowTest, TheAdministratorMovesADeviceFromAnotherSubnetAndTheListIsSearchedAgain) {
  Open();
  FinishSearch({{"NAS-01", "198.51.100.10"}});
  ConnectAs(L"admin", L"pw");
  answerer.OnDialog(IDC_SETIP_DHCP, [](HWND dialog) {
    ClickControl(dialog, IDC_SETIP_STATIC);
    for (int field = 1; field <= 4; ++field) {
      static const wchar_t* const kOctets[] = {L"192", L"0", L"2", L"20"};
      SetDlgItemTextW(GetDlgItem(dialog, IDC_SETIP_IP), field, kOctets[field - 1]);
    }
    SetDlgItemTextW(GetDlgItem(dialog, IDC_SETIP_GATEWAY), 1, L"192");
    SetDlgItemTextW(GetDlgItem(dialog, IDC_SETIP_GATEWAY), 2, L"0");
    SetDlgItemTextW(GetDlgItem(dialog, IDC_SETIP_GATEWAY), 3, L"2");
    SetDlgItemTextW(GetDlgItem(dialog, IDC_SETIP_GATEWAY), 4, L"1");
    ClickControl(dialog, IDC_SETIP_OK);
    while (IsWindowEnabled(GetDlgItem(dialog, IDC_SETIP_OK))) Sleep(10);
    PostMessageW(dialog, WM_SETIP_DONE, 0, kOpSetIp);
  });
  answerer.QueueButtons({IDOK, IDOK});
  AcceptLogin();
  PumpUntil([&] { return answerer.Boxes().size() >= 2; }, 5000ms);

  EXPECT_EQ(BoxTexts(), (std::vector<std::wstring>{L"Not the same subnet, do you want to change NAS ip?",
                                                   L"Setting NAS ip Sucess,Refresh ...."}));
  const DoorStart move = door.Last(DoorCall::kSetDeviceIp);
  EXPECT_EQ(move.device.macText, "00:11:22:33:44:00");
  EXPECT_STREQ(move.setIp.address, "192.0.2.20");
  EXPECT_STREQ(move.setIp.gateway, "192.0.2.1");
  EXPECT_EQ(move.setIp.dhcpFlag, '0');
  EXPECT_EQ(door.Count(DoorCall::kSearchDevices), 2);
}
