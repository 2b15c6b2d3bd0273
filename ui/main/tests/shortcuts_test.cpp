// The shortcut column: the web applications open the redirect page with the login, the shares are
// listed in the popup and opened in the file manager, and device data that is no plain folder name
// never becomes a path.
#include <gtest/gtest.h>

#include <cstring>

#include "net/login_credentials.h"
#include "net/win/query.h"
#include "ui/main/tests/main_window_fixture.h"

namespace {
const std::wstring kRedirect = L"http://192.0.2.10/web/tamsel_redirect.html?m=";
}

TEST_F(MainWindowTest, EachWebApplicationOpensTheRedirectPageWithItsNumberAndTheLogin) {
  LogInAsAdministrator();
  const struct {
    int id;
    int application;
  } shortcuts[] = {{IDC_SHORTCUT_FILE_CENTER, 1},
                   {IDC_SHORTCUT_MANAGEMENT_CENTER, 2},
                   {IDC_SHORTCUT_DOWNLOAD_CENTER, 3},
                   {IDC_SHORTCUT_BACKUP_CENTER, 4}};
  for (const auto& shortcut : shortcuts) {
    shellCalls.clear();
    window.SendMessage(WM_COMMAND, static_cast<WPARAM>(shortcut.id));
    ASSERT_EQ(shellCalls.size(), 1u) << shortcut.id;
    EXPECT_EQ(shellCalls[0].file, kRedirect + std::to_wstring(shortcut.application) + L"&u=admin&p=secret");
    EXPECT_EQ(window.ShortcutCode(), shortcut.application);
    EXPECT_TRUE(static_cast<CShortCutButton*>(CWnd::FromHandle(window.GetDlgItem(shortcut.id)))->IsActive());
  }
  EXPECT_FALSE(static_cast<CShortCutButton*>(CWnd::FromHandle(window.GetDlgItem(IDC_SHORTCUT_FILE_CENTER)))->IsActive());
}

TEST_F(MainWindowTest, APasswordWithQueryCharactersReachesTheRedirectPageWhole) {
  Open();
  FinishSearch({{"NAS-01", "192.0.2.10"}});
  ConnectAs(L"admin", L"a&b #1=%+");
  AcceptLogin();
  window.SendMessage(WM_COMMAND, IDC_SHORTCUT_FILE_CENTER);
  ASSERT_EQ(shellCalls.size(), 1u);
  EXPECT_EQ(shellCalls[0].file, kRedirect + L"1&u=admin&p=a%26b %231%3D%25%2B");
}

TEST_F(MainWindowTest, FolderListsThePlainSharesAndOpensTheOneDoubleClicked) {
  LogInAsAdministrator();
  FinishVolumeStatus({{1, 8 << 20, 4 << 20, nullptr}});
  window.SendMessage(WM_COMMAND, IDC_SHORTCUT_FOLDER);
  const DoorStart shares = door.Last(DoorCall::kGetShareInfo);
  EXPECT_EQ(shares.device.macText, "00:11:22:33:44:00");
  EXPECT_EQ(shares.number, 1);
  EXPECT_TRUE(window.Popup().ShareList()->IsWindowVisible());
  ShareList() = {{u"public", u""}, {u"..", u""}, {u"music", u""}, {u"c:\\windows", u""}, {u"photos", u""}};
  door.Finish(shares);
  Deliver();
  const auto& items = window.Popup().ShareList()->Items();
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[1].displayText, L"music");

  window.SendMessage(WM_FOLDER_OPEN, 2);
  ASSERT_EQ(shellCalls.size(), 1u);
  EXPECT_EQ(shellCalls[0].file, L"\\\\192.0.2.10\\photos");
  EXPECT_EQ(shellCalls[0].parameters, L"/e");
  EXPECT_EQ(shellCalls[0].directory, L"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}");

  for (WPARAM pastTheEnd : {3u, 4u, 1000u}) window.SendMessage(WM_FOLDER_OPEN, pastTheEnd);
  EXPECT_EQ(shellCalls.size(), 1u);
}

TEST_F(MainWindowTest, AnAddressTheDeviceNamesInTheWizardIsNeverUsedForLinksOrShares) {
  LogInAsAdministrator();
  FinishVolumeStatus({{1, 8 << 20, 4 << 20, nullptr}});
  // The wizard's answer names another host; the user leaves the wizard without a network change.
  std::strcpy(WizardInfo().hostName, "NAS-01");
  std::strcpy(WizardInfo().lan.address, "203.0.113.9");
  answerer.OnDialog(IDC_WIZARD_EXIT, [](HWND wizard) { ClickControl(wizard, IDC_WIZARD_EXIT); });
  window.SendMessage(WM_COMMAND, IDC_SHORTCUT_WIZARD);
  EXPECT_EQ(window.Device().address, "192.0.2.10");

  window.SendMessage(WM_COMMAND, IDC_SHORTCUT_FILE_CENTER);
  ASSERT_EQ(shellCalls.size(), 1u);
  EXPECT_EQ(shellCalls[0].file, kRedirect + L"1&u=admin&p=secret");
  window.SendMessage(WM_COMMAND, IDC_SHORTCUT_FOLDER);
  const DoorStart shares = door.Last(DoorCall::kGetShareInfo);
  EXPECT_EQ(shares.device.address, "192.0.2.10");
  ShareList() = {{u"Music", u""}};
  door.Finish(shares);
  Deliver();
  window.SendMessage(WM_FOLDER_OPEN, 0);
  ASSERT_EQ(shellCalls.size(), 2u);
  EXPECT_EQ(shellCalls[1].file, L"\\\\192.0.2.10\\Music");
}

TEST_F(MainWindowTest, ASharesRequestThatCannotStartIsReportedWithAnEmptyList) {
  LogInAsAdministrator();
  FinishVolumeStatus({{1, 8 << 20, 4 << 20, nullptr}});
  door.FailNext(DoorCall::kGetShareInfo);
  window.SendMessage(WM_COMMAND, IDC_SHORTCUT_FOLDER);
  EXPECT_EQ(BoxTexts(), std::vector<std::wstring>{L"GetUSBInfo failed."});
  EXPECT_TRUE(window.Popup().ShareList()->IsWindowVisible());
  EXPECT_TRUE(window.Popup().ShareList()->Items().empty());
}

// A read the device refused, cut short or never answered says so where the result would be, with
// the device's own status; Folder and the volume view read again, and a good answer clears it.
TEST_F(MainWindowTest, FailedShareAndVolumeReadsAreSaidWhereTheResultWouldBe) {
  LogInAsAdministrator();
  door.Finish(door.Last(DoorCall::kGetVolumeStatus), [](CQuery& query) {
    query.readFailed = true;
    query.deviceStatus = 500;
  });
  Deliver();
  EXPECT_TRUE(window.Popup().IsWindowVisible());
  EXPECT_EQ(window.Popup().VolumeCount(), 0);
  EXPECT_EQ(window.Popup().ShownNotice(), L"Reading the volumes failed. The device answered HTTP 500.");

  window.SendMessage(WM_COMMAND, IDC_SHORTCUT_FOLDER);
  EXPECT_EQ(window.Popup().ShownNotice(), L"");  // the share view has its own
  door.Finish(door.Last(DoorCall::kGetShareInfo), [](CQuery& query) { query.readFailed = true; });
  Deliver();
  EXPECT_EQ(window.Popup().ShownNotice(), L"Reading the shares failed.");
  EXPECT_TRUE(window.Popup().ShareList()->Items().empty());
  EXPECT_TRUE(BoxTexts().empty());

  window.SendMessage(WM_COMMAND, IDC_SHORTCUT_FOLDER);  // Refresh of the shares
  ShareList() = {{u"music", u""}};
  door.Finish(door.Last(DoorCall::kGetShareInfo));
  Deliver();
  EXPECT_EQ(window.Popup().ShownNotice(), L"");
  EXPECT_EQ(window.Popup().ShareList()->Items().size(), 1u);

  window.SendMessage(WM_COMMAND, IDC_SELECT_SHORTCUT);
  EXPECT_EQ(window.Popup().ShownNotice(), L"Reading the volumes failed. The device answered HTTP 500.");
}

TEST_F(MainWindowTest, SelectNasShortCutGoesBackToTheVolumeView) {
  LogInAsAdministrator();
  FinishVolumeStatus({{1, 8 << 20, 4 << 20, nullptr}});
  window.SendMessage(WM_COMMAND, IDC_SHORTCUT_FOLDER);
  EXPECT_FALSE(window.Popup().VolumePanel(0)->IsWindowVisible());
  window.SendMessage(WM_COMMAND, IDC_SELECT_SHORTCUT);
  EXPECT_TRUE(window.Popup().VolumePanel(0)->IsWindowVisible());
  EXPECT_FALSE(window.Popup().ShareList()->IsWindowVisible());
}

TEST_F(MainWindowTest, PlayCenterSaysWhereItWouldGo) {
  LogInAsAdministrator();
  window.SendMessage(WM_COMMAND, IDC_SHORTCUT_PLAY_CENTER);
  EXPECT_EQ(BoxTexts(), std::vector<std::wstring>{L"goto play center"});
  EXPECT_TRUE(static_cast<CShortCutButton*>(CWnd::FromHandle(window.GetDlgItem(IDC_SHORTCUT_PLAY_CENTER)))->IsActive());
}
