// The settings dialog: the choice it opens on for every stored time, what OK makes of each
// choice, Cancel, the close button and a close from outside changing nothing, the shortcut page
// that nothing shows, and the open dialog known to the inactivity logout while it exists.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "ui/dialogs/settings_dialog.h"
#include "framework/tests/support/modal_answerer.h"
#include "framework/tests/support/ui_test_support.h"
#include "ui/common/inactivity_watch.h"

using namespace std::chrono_literals;

namespace {
constexpr int kChoiceIds[] = {IDC_LOGOUT_1_MIN,  IDC_LOGOUT_3_MIN,  IDC_LOGOUT_5_MIN,   IDC_LOGOUT_15_MIN,
                              IDC_LOGOUT_30_MIN, IDC_LOGOUT_60_MIN, IDC_LOGOUT_MANUALLY};

class SettingsDialog : public ::testing::Test {
 protected:
  void SetUp() override { InactivityTimeout = 900000; }
  void TearDown() override {
    if (dialog.GetSafeHwnd()) dialog.DestroyWindow();
    InactivityTimeout = 900000;
  }
  void Open() {
    ASSERT_TRUE(dialog.Create());
    dialog.ShowWindow(SW_SHOWNOACTIVATE);
    PumpMessages(30ms);
  }
  HWND Item(int id) const { return dialog.GetDlgItem(id); }
  bool Checked(int id) const { return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  bool Visible(int id) const { return IsWindowVisible(Item(id)) != FALSE; }
  int TickedChoice() const {
    int ticked = 0;
    for (int id : kChoiceIds) {
      if (Checked(id)) ticked = ticked ? -1 : id;
    }
    return ticked;
  }
  // The choice ticked; the rest of its group is unticked through posted messages.
  void Choose(int id) const {
    SendMessageW(Item(id), BM_SETCHECK, BST_CHECKED, 0);
    PumpMessages(30ms);
  }

  CSettingsDialog dialog{nullptr};
};
}  // namespace

TEST_F(SettingsDialog, OpensOnTheStoredChoiceWithAnyOtherTimeShownAsOneMinute) {
  const struct {
    std::uint32_t stored;
    int ticked;
  } cases[] = {{0, IDC_LOGOUT_MANUALLY},   {60000, IDC_LOGOUT_1_MIN},    {180000, IDC_LOGOUT_3_MIN},
               {300000, IDC_LOGOUT_5_MIN}, {900000, IDC_LOGOUT_15_MIN},  {1800000, IDC_LOGOUT_30_MIN},
               {3600000, IDC_LOGOUT_60_MIN}, {120000, IDC_LOGOUT_1_MIN}, {4294967295u, IDC_LOGOUT_1_MIN}};
  for (const auto& one : cases) {
    SCOPED_TRACE(one.stored);
    InactivityTimeout = one.stored;
    Open();
    EXPECT_EQ(TickedChoice(), one.ticked);
    EXPECT_EQ(InactivityTimeout, one.stored);
    dialog.DestroyWindow();
  }
}

TEST_F(SettingsDialog, OkTakesTheTickedChoiceAndCancelOrCloseTakeNothing) {
  const struct {
    int choice;
    std::uint32_t milliseconds;
  } cases[] = {{IDC_LOGOUT_MANUALLY, 0},    {IDC_LOGOUT_1_MIN, 60000},    {IDC_LOGOUT_3_MIN, 180000},
               {IDC_LOGOUT_5_MIN, 300000},  {IDC_LOGOUT_30_MIN, 1800000}, {IDC_LOGOUT_60_MIN, 3600000},
               {IDC_LOGOUT_15_MIN, 900000}};
  for (const auto& one : cases) {
    SCOPED_TRACE(one.choice);
    InactivityTimeout = 123456;
    Open();
    Choose(one.choice);
    EXPECT_EQ(TickedChoice(), one.choice);
    dialog.SendMessage(WM_COMMAND, IDC_SETTINGS_OK);
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
    EXPECT_EQ(InactivityTimeout, one.milliseconds);
  }
  for (int leave : {IDC_SETTINGS_CANCEL, IDC_SETTINGS_CLOSE, IDCANCEL}) {
    SCOPED_TRACE(leave);
    InactivityTimeout = 300000;
    Open();
    Choose(IDC_LOGOUT_MANUALLY);
    dialog.SendMessage(WM_COMMAND, static_cast<WPARAM>(leave));
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
    EXPECT_EQ(InactivityTimeout, 300000u);
  }
}

TEST_F(SettingsDialog, TheShortcutPageExistsButNothingShowsItsTabAndItStoresNothing) {
  Open();
  EXPECT_EQ(dialog.CurrentPage(), CSettingsDialog::Page::kLogoutTime);
  EXPECT_TRUE(Visible(IDC_SETTINGS_LOGOUT_TIME_TAB));
  EXPECT_FALSE(Visible(IDC_SETTINGS_SHORTCUT_TAB));
  for (int id : kChoiceIds) EXPECT_TRUE(Visible(id)) << id;
  EXPECT_FALSE(Visible(IDC_SETTINGS_SHOW_FILE_CENTER));
  EXPECT_FALSE(IsWindowEnabled(Item(IDC_SETTINGS_SHOW_WIZARD)));

  dialog.SendMessage(WM_COMMAND, IDC_SETTINGS_SHORTCUT_TAB);
  EXPECT_EQ(dialog.CurrentPage(), CSettingsDialog::Page::kShortcuts);
  EXPECT_FALSE(Visible(IDC_LOGOUT_1_MIN));
  EXPECT_TRUE(Visible(IDC_SETTINGS_SHOW_FOLDER));
  EXPECT_FALSE(Visible(IDC_SETTINGS_SHOW_NETWORK));
  EXPECT_FALSE(Visible(IDC_SETTINGS_SHOW_DRIVE_MAPPING));
  SendMessageW(Item(IDC_SETTINGS_SHOW_FOLDER), BM_SETCHECK, BST_CHECKED, 0);
  dialog.SendMessage(WM_COMMAND, IDC_SETTINGS_OK);
  EXPECT_EQ(InactivityTimeout, 900000u);
}

TEST_F(SettingsDialog, IsTheOpenDialogOnlyWhileItsWindowExists) {
  ASSERT_EQ(OpenDialogWindow, nullptr);
  Open();
  EXPECT_EQ(OpenDialogWindow, dialog.GetSafeHwnd());
  dialog.DestroyWindow();
  EXPECT_EQ(OpenDialogWindow, nullptr);
}

TEST(SettingsDialogRun, ClosedFromOutsideEndsAsCancelledWithTheShownChoiceNotTaken) {
  InactivityTimeout = 900000;
  CModalAnswerer answerer;
  answerer.OnDialog(IDC_LOGOUT_MANUALLY, [](HWND window) {
    SendMessageW(GetDlgItem(window, IDC_LOGOUT_MANUALLY), BM_SETCHECK, BST_CHECKED, 0);
    PostMessageW(window, WM_CLOSE, 0, 0);
  });
  CSettingsDialog dialog(nullptr);
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(InactivityTimeout, 900000u);
  EXPECT_EQ(OpenDialogWindow, nullptr);
}
