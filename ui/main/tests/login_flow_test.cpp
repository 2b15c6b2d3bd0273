// Connect and what follows a login: the dialog pre-filled from remembered credentials, what is
// remembered and forgotten, who is the administrator, the user's access rights, the subnet check
// and the first-run prompt.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/win/ansi_text.h"
#include "net/login_credentials.h"
#include "settings/base64.h"
#include "net/win/query.h"
#include "settings/setting_names.h"
#include "settings/win/settings_file.h"
#include "settings/win/stored_password.h"
#include "ui/common/inactivity_watch.h"
#include "ui/main/tests/main_window_fixture.h"

namespace {
struct LoginDialogContents {
  std::wstring userName;
  std::wstring password;
  bool remembered = false;
};

// Connect, and what the login dialog shows before it is cancelled.
LoginDialogContents LoginDialogShown(CModalAnswerer& answerer, CTamselDlg& window) {
  LoginDialogContents shown;
  answerer.OnDialog(IDC_LOGIN_REMEMBER, [&shown](HWND dialog) {
    wchar_t text[64] = {};
    GetWindowTextW(GetDlgItem(dialog, IDC_LOGIN_USER_NAME), text, 64);
    shown.userName = text;
    GetWindowTextW(GetDlgItem(dialog, IDC_LOGIN_PASSWORD), text, 64);
    shown.password = text;
    shown.remembered = SendMessageW(GetDlgItem(dialog, IDC_LOGIN_REMEMBER), BM_GETCHECK, 0, 0) == BST_CHECKED;
    ClickControl(dialog, IDC_LOGIN_CANCEL);
  });
  window.SendMessage(WM_COMMAND, IDC_CONNECT);
  return shown;
}

void SelectDevice(CTamselDlg& window, int index) {
  SendMessageW(window.GetDlgItem(IDC_DEVICE_LIST), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

// Whether any value of the settings file, or the Base64 behind a prefix ending in ":", holds
// `password` in the ANSI code page or in UTF-16.
bool FileRevealsPassword(const std::wstring& path, const std::wstring& password) {
  std::ifstream in(std::filesystem::path(path), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  const std::string ansi = ToAnsi(password);
  const std::string utf16(reinterpret_cast<const char*>(password.data()), password.size() * sizeof(wchar_t));
  std::istringstream lines(text.str());
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::string value = line.substr(line.find('=') + 1);
    if (value.find(ansi) != std::string::npos) return true;
    for (const std::string& encoded : {value, value.substr(value.find(':') + 1)}) {
      const std::string bytes = DecodeBase64(encoded).value_or("");
      if (bytes.find(ansi) != std::string::npos || bytes.find(utf16) != std::string::npos) return true;
    }
  }
  return false;
}
}  // namespace

TEST_F(MainWindowTest, ConnectWithoutADeviceAsksForOneAndStartsNothing) {
  Open();
  FinishSearch({});
  window.SendMessage(WM_COMMAND, IDC_CONNECT);
  EXPECT_EQ(BoxTexts(), std::vector<std::wstring>{L"Select NAS"});
  EXPECT_EQ(door.Count(DoorCall::kCheckLogin), 0);
}

TEST_F(MainWindowTest, EveryMessageOfAFailedLoginOrSearchStartIsOwnedByTheMainWindow) {
  Open();
  FinishSearch({{"NAS-01", "192.0.2.10"}});
  ConnectAs(L"alice", L"wrong");
  // The device rejected the login after a send that failed on one adapter: both notices, in order.
  door.Finish(door.Last(DoorCall::kCheckLogin), [](CQuery& carrier) {
    carrier.carrierOnly = true;
    carrier.notices = {L"result_sendto failed.", L"Username or password error."};
  });
  Deliver();
  EXPECT_FALSE(Enabled(IDC_SHORTCUT_FILE_CENTER));  // the rejected login is no login
  door.FailNext(DoorCall::kSearchDevices);
  window.SendMessage(WM_COMMAND, IDC_REFRESH);
  const auto boxes = answerer.Boxes();
  ASSERT_EQ(BoxTexts(), (std::vector<std::wstring>{L"result_sendto failed.", L"Username or password error.",
                                                   L"Refresh NAS list failed."}));
  for (const AnsweredBox& box : boxes) EXPECT_EQ(box.owner, window.GetSafeHwnd()) << box.text;
}

TEST_F(MainWindowTest, AConnectCancelledWhileLoggedInLeavesTheLoggedInDevice) {
  Open();
  FinishSearch({{"NAS-01", "192.0.2.10"}, {"NAS-02", "192.0.2.11"}});
  ::SendMessageW(window.GetDlgItem(IDC_DEVICE_LIST), CB_SETCURSEL, 0, 0);
  ConnectAs(L"admin", L"secret");
  AcceptLogin();
  ::SendMessageW(window.GetDlgItem(IDC_DEVICE_LIST), CB_SETCURSEL, 1, 0);
  answerer.OnDialog(IDC_LOGIN_REMEMBER, [](HWND dialog) { ClickControl(dialog, IDC_LOGIN_CANCEL); });
  window.SendMessage(WM_COMMAND, IDC_CONNECT);
  window.SendMessage(WM_COMMAND, IDC_SHORTCUT_FOLDER);
  EXPECT_EQ(door.Last(DoorCall::kGetShareInfo).device.address, "192.0.2.10");
  EXPECT_EQ(window.Device().name, "NAS-01");
}

TEST_F(MainWindowTest, RememberedCredentialsFillTheLoginDialog) {
  WriteSetting(L"NAS-01", kUserNameKey, L"alice");
  WriteSetting(L"NAS-01", kPassWordKey, EncodeStoredPassword(L"pa ss"));
  Open();
  FinishSearch({{"NAS-01", "192.0.2.10"}});
  LoginDialogContents shown = LoginDialogShown(answerer, window);
  EXPECT_EQ(shown.userName, L"alice");
  EXPECT_EQ(shown.password, L"pa ss");
  EXPECT_TRUE(shown.remembered);
  EXPECT_EQ(door.Count(DoorCall::kCheckLogin), 0);  // cancelled

  // A stored password that cannot be read (damaged in the file) counts as none.
  WriteSetting(L"NAS-01", kPassWordKey, std::wstring(kProtectedPasswordPrefix) + L"AQIDBAUGBwg=");
  shown = LoginDialogShown(answerer, window);
  EXPECT_EQ(shown.userName, L"alice");
  EXPECT_EQ(shown.password, L"");
  EXPECT_TRUE(shown.remembered);
}

TEST_F(MainWindowTest, AnOldFileStillLogsInAndIsRewrittenProtected) {
  WriteSetting(L"NAS-01", kUserNameKey, L"alice");
  WriteSetting(L"NAS-01", kPassWordKey, L"YSZiICMx");  // "a&b #1" as plain Base64
  Open();
  FinishSearch({{"NAS-01", "192.0.2.10"}});
  answerer.OnDialog(IDC_LOGIN_REMEMBER, [](HWND dialog) { ClickControl(dialog, IDC_LOGIN_OK); });
  window.SendMessage(WM_COMMAND, IDC_CONNECT);
  EXPECT_EQ(door.Last(DoorCall::kCheckLogin).userName, L"alice");
  EXPECT_EQ(door.Last(DoorCall::kCheckLogin).password, L"a&b #1");
  AcceptLogin();
  EXPECT_FALSE(FileRevealsPassword(appData.SettingsPath(), L"a&b #1"));
  EXPECT_EQ(Setting(L"NAS-01", kMacAddressKey), L"00:11:22:33:44:00");
}

TEST_F(MainWindowTest, ARememberedLoginIsOfferedOnlyToTheDeviceItWasMadeWith) {
  Open();
  FinishSearch({{"NAS-01", "192.0.2.10"}, {"NAS-01", "192.0.2.11"}});  // one name, two MACs
  SelectDevice(window, 0);
  ConnectAs(L"alice", L"a&b #1", true);
  AcceptLogin();

  // The other device of that name: an empty dialog, and a login to it without Remember Me leaves
  // the first device's login as it was.
  SelectDevice(window, 1);
  const LoginDialogContents other = LoginDialogShown(answerer, window);
  EXPECT_EQ(other.userName, L"");
  EXPECT_EQ(other.password, L"");
  EXPECT_FALSE(other.remembered);
  ConnectAs(L"bob", L"guess", false);
  EXPECT_EQ(door.Last(DoorCall::kCheckLogin).device.address, "192.0.2.11");
  EXPECT_EQ(Setting(L"NAS-01", kUserNameKey), L"alice");

  SelectDevice(window, 0);
  const LoginDialogContents own = LoginDialogShown(answerer, window);
  EXPECT_EQ(own.userName, L"alice");
  EXPECT_EQ(own.password, L"a&b #1");
  EXPECT_TRUE(own.remembered);
}

TEST_F(MainWindowTest, ConnectRemembersTheDeviceAndTheLoginWhenAskedTo) {
  Open();
  FinishSearch({{"NAS-01", "192.0.2.10"}});
  ConnectAs(L"alice", L"a&b #1", true);
  const DoorStart login = door.Last(DoorCall::kCheckLogin);
  EXPECT_EQ(login.userName, L"alice");
  EXPECT_EQ(login.password, L"a&b #1");
  EXPECT_EQ(login.device.macText, "00:11:22:33:44:00");
  EXPECT_EQ(Setting(kServNameSetting.section, kServNameSetting.key), L"NAS-01");
  EXPECT_EQ(Setting(L"NAS-01", kUserNameKey), L"alice");
  EXPECT_EQ(DecodeStoredPassword(Setting(L"NAS-01", kPassWordKey)), L"a&b #1");
  EXPECT_FALSE(FileRevealsPassword(appData.SettingsPath(), L"a&b #1"));
}

TEST_F(MainWindowTest, RememberMeUntickedClearsBothKeysButKeepsTheDeviceName) {
  WriteSetting(L"NAS-01", kUserNameKey, L"alice");
  WriteSetting(L"NAS-01", kPassWordKey, EncodeStoredPassword(L"old"));
  Open();
  FinishSearch({{"NAS-01", "192.0.2.10"}});
  ConnectAs(L"alice", L"new", false);
  EXPECT_EQ(Setting(L"NAS-01", kUserNameKey), L"<absent>");
  EXPECT_EQ(Setting(L"NAS-01", kPassWordKey), L"<absent>");
  EXPECT_EQ(Setting(kServNameSetting.section, kServNameSetting.key), L"NAS-01");
  EXPECT_EQ(door.Count(DoorCall::kCheckLogin), 1);
}

TEST_F(MainWindowTest, ALoginCheckThatCannotStartIsReportedWithTheUserLoggedOut) {
  Open();
  FinishSearch({{"NAS-01", "192.0.2.10"}});
  door.FailNext(DoorCall::kCheckLogin);
  ConnectAs(L"admin", L"secret");
  EXPECT_EQ(BoxTexts(), std::vector<std::wstring>{L"Login failed."});
  EXPECT_TRUE(Enabled(IDC_CONNECT));
  EXPECT_FALSE(Enabled(IDC_LOGOUT));
}

TEST_F(MainWindowTest, AdminWithACapitalIsNotTheAdministratorAndFollowsTheAccessText) {
  Open();
  FinishSearch({{"NAS-01", "192.0.2.10"}});
  ConnectAs(L"Admin", L"secret");
  AcceptLogin();
  EXPECT_FALSE(IsAdminUser);
  EXPECT_STREQ(LoginCredentials().userName, "Admin");
  EXPECT_EQ(door.Count(DoorCall::kGetVolumeStatus), 0);
  EXPECT_FALSE(Enabled(IDC_LOGOUT));  // as Logout left it until the rights arrive
  door.FinishUserAccess(door.Last(kGetUserAccess), L"1,0,1,1,1,1");
  Deliver();
  EXPECT_FALSE(Enabled(IDC_SHORTCUT_DOWNLOAD_CENTER));
  for (int id : {IDC_SHORTCUT_FILE_CENTER, IDC_SHORTCUT_BACKUP_CENTER, IDC_SHORTCUT_MANAGEMENT_CENTER, IDC_LOGOUT,
                 IDC_SETTINGS, IDC_SHORTCUT_FOLDER, IDC_SHORTCUT_WIZARD}) {
    EXPECT_TRUE(Enabled(id)) << id;
  }
  EXPECT_EQ(door.Count(DoorCall::kGetVolumeStatus), 1);
}

TEST_F(MainWindowTest, AUserWithoutAnAccessListGetsTheUserState) {
  Open();
  FinishSearch({{"NAS-01", "192.0.2.10"}});
  ConnectAs(L"bob", L"pw");
  AcceptLogin();
  door.FinishUserAccess(door.Last(kGetUserAccess), L"");
  Deliver();
  EXPECT_TRUE(Enabled(IDC_SHORTCUT_FOLDER));
  EXPECT_FALSE(Enabled(IDC_SHORTCUT_FILE_CENTER));
  EXPECT_FALSE(Enabled(IDC_SHORTCUT_PLAY_CENTER));
  EXPECT_TRUE(Enabled(IDC_LOGOUT));
}

TEST_F(MainWindowTest, AUserOnAnotherSubnetIsRefusedAndLoggedOut) {
  Open();
  FinishSearch({{"NAS-01", "198.51.100.10"}});
  ConnectAs(L"bob", L"pw");
  AcceptLogin();
  EXPECT_EQ(BoxTexts(), std::vector<std::wstring>{L"Not the same network segment, please administrator privileges to "
                                                  L"change the ip of NAS setting."});
  EXPECT_STREQ(LoginCredentials().userName, "");
  EXPECT_EQ(door.Count(kGetUserAccess), 0);
  EXPECT_TRUE(Enabled(IDC_CONNECT));
  EXPECT_FALSE(Enabled(IDC_LOGOUT));
}

TEST_F(MainWindowTest, TheAdministratorOnAnotherSubnetIsAskedToMoveTheDevice) {
  Open();
  FinishSearch({{"NAS-01", "198.51.100.10"}});
  ConnectAs(L"admin", L"pw");
  answerer.QueueButtons({IDCANCEL});
  AcceptLogin();
  EXPECT_EQ(BoxTexts(), std::vector<std::wstring>{L"Not the same subnet, do you want to change NAS ip?"});
  EXPECT_EQ(door.Count(DoorCall::kGetVolumeStatus), 0);
  EXPECT_EQ(door.Count(DoorCall::kSearchDevices), 1);
  EXPECT_FALSE(Enabled(IDC_LOGOUT));
}

TEST_F(MainWindowTest, TheFirstRunPromptIsShownOnceEvenWhenCancelled) {
  ClearSetting(kFirstOpenSetting.section, kFirstOpenSetting.key);
  Open();
  FinishSearch({{"NAS-01", "192.0.2.10"}});
  answerer.QueueButtons({IDCANCEL});
  ConnectAs(L"admin", L"pw");
  AcceptLogin();
  EXPECT_EQ(BoxTexts(), std::vector<std::wstring>{L"Welcome admin, do you want to goto the wiard to setting your QB-550?"});
  EXPECT_EQ(Setting(kFirstOpenSetting.section, kFirstOpenSetting.key), L"FALSE");
  answerer.ForgetBoxes();
  ConnectAs(L"admin", L"pw");
  AcceptLogin();
  EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(MainWindowTest, UserActivityRestartsTheInactivityTimerWhichLogsOut) {
  InactivityTimeout = 60000;
  LogInAsAdministrator();
  InactivityTimeout = 50;
  window.SendMessage(WM_USER_ACTIVITY);
  ASSERT_TRUE(PumpUntil([&] { return !answerer.Boxes().empty(); }, std::chrono::milliseconds(3000)));
  PumpMessages(std::chrono::milliseconds(50));
  EXPECT_EQ(BoxTexts(), std::vector<std::wstring>{L"Time out, please login again."});
  EXPECT_STREQ(LoginCredentials().userName, "");
  EXPECT_FALSE(Enabled(IDC_LOGOUT));
}
