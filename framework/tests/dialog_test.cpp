// Modal, modeless and child dialogs from templates; command and timer dispatch.
#include <gtest/gtest.h>

#include "framework/controls.h"
#include "framework/dialog.h"
#include "framework/tests/support/ui_test_support.h"

using namespace std::chrono_literals;

namespace {
constexpr UINT kDialog = 9300;
constexpr UINT kPage = 9310;
constexpr int kPress = 9301;
constexpr int kCombo = 9303;
constexpr int kList = 9304;
constexpr UINT_PTR kTimer = 1;

// Ends itself from its first timer tick with the number of the command it was given.
class CSelfEndingDialog : public CDialog {
 public:
  CSelfEndingDialog() : CDialog(kDialog) {}
  bool initialised = false;
  int okCalls = 0;

 protected:
  BOOL OnInitDialog() override {
    initialised = true;
    SetTimer(kTimer, 10);
    return TRUE;
  }
  void OnTimer(UINT_PTR id) override {
    if (id != kTimer) return;
    KillTimer(kTimer);
    PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  }
  void OnOK() override {
    ++okCalls;
    EndDialog(42);
  }
};
}  // namespace

TEST(Dialogs, ModalDialogRunsUntilEndDialogAndCanRunAgain) {
  CSelfEndingDialog dialog;
  EXPECT_EQ(dialog.DoModal(), 42);
  EXPECT_TRUE(dialog.initialised);
  EXPECT_EQ(dialog.okCalls, 1);
  EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
  EXPECT_EQ(dialog.DoModal(), 42);
  EXPECT_EQ(dialog.okCalls, 2);
}

TEST(Dialogs, MissingTemplateFailsCleanly) {
  CDialog dialog(4242);
  EXPECT_EQ(dialog.DoModal(), -1);
  EXPECT_FALSE(dialog.Create());
}

TEST(Dialogs, ModelessDialogIsDestroyedByCancelOrWithItsObject) {
  CDialog dialog(kDialog);
  ASSERT_TRUE(dialog.Create());
  HWND window = dialog.GetSafeHwnd();
  dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  EXPECT_FALSE(IsWindow(window));
  {
    CDialog second(kDialog);
    ASSERT_TRUE(second.Create());
    window = second.GetSafeHwnd();
  }
  EXPECT_FALSE(IsWindow(window));
}

TEST(Dialogs, ChildDialogLivesInsideItsParent) {
  CDialog host(kDialog);
  ASSERT_TRUE(host.Create());
  CDialog page(kPage, host.GetSafeHwnd());
  ASSERT_TRUE(page.Create());
  EXPECT_EQ(page.GetParent(), host.GetSafeHwnd());
  EXPECT_NE(page.GetStyle() & WS_CHILD, 0u);
  EXPECT_NE(page.GetDlgItem(9311), nullptr);
  host.DestroyWindow();
  EXPECT_EQ(page.GetSafeHwnd(), nullptr);
}

TEST(Dialogs, CentersOverItsOwner) {
  CDialog owner(kDialog);
  ASSERT_TRUE(owner.Create());
  SetWindowPos(owner.GetSafeHwnd(), nullptr, 100, 100, 600, 400, SWP_NOZORDER | SWP_NOACTIVATE);
  owner.ShowWindow(SW_SHOWNOACTIVATE);
  CDialog dialog(kDialog, owner.GetSafeHwnd());
  ASSERT_TRUE(dialog.Create());
  SetWindowPos(dialog.GetSafeHwnd(), nullptr, 0, 0, 200, 100, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
  dialog.CenterWindow();
  RECT rect = dialog.GetWindowRect();
  EXPECT_EQ(rect.left, 300);
  EXPECT_EQ(rect.top, 250);
}

TEST(Controls, ComboBoxAndListWrappersKeepTheirTexts) {
  CDialog dialog(kDialog);
  ASSERT_TRUE(dialog.Create());
  CComboBox combo;
  ASSERT_TRUE(combo.SubclassDlgItem(kCombo, dialog.GetSafeHwnd()));
  combo.AddString(L"alpha");
  combo.InsertString(0, L"\x8BB0\x4F4F");
  EXPECT_EQ(combo.GetCount(), 2);
  EXPECT_EQ(combo.GetLBText(0), L"\x8BB0\x4F4F");
  EXPECT_EQ(combo.GetLBText(5), L"");
  EXPECT_EQ(combo.SelectString(L"alp"), 1);
  EXPECT_EQ(combo.GetCurSel(), 1);

  CListCtrl list;
  ASSERT_TRUE(list.SubclassDlgItem(kList, dialog.GetSafeHwnd()));
  list.InsertColumn(0, L"Name", LVCFMT_LEFT, 80);
  list.InsertColumn(1, L"Location", LVCFMT_CENTER, 60);
  list.InsertItem(0, L"share");
  std::wstring longText(700, L'x');
  list.SetItemText(0, 1, longText);
  EXPECT_EQ(list.GetItemText(0, 0), L"share");
  EXPECT_EQ(list.GetItemText(0, 1), longText);  // longer than the first buffer
  EXPECT_EQ(list.GetItemCount(), 1);
}

TEST(Controls, ToolTipTakesOneToolAndItsText) {
  CDialog dialog(kDialog);
  ASSERT_TRUE(dialog.Create());
  HWND button = dialog.GetDlgItem(kPress);
  CToolTipCtrl tip;
  ASSERT_TRUE(tip.Create(button));
  EXPECT_EQ(tip.GetToolCount(), 0);
  EXPECT_TRUE(tip.AddTool(button, L"first", RECT{0, 0, 10, 10}));
  tip.UpdateTipText(button, L"second");
  EXPECT_EQ(tip.GetToolCount(), 1);
  wchar_t text[32] = {};
  TTTOOLINFOW info{};
  info.cbSize = sizeof(info);
  info.hwnd = button;
  info.uId = 1;
  info.lpszText = text;
  tip.SendMessage(TTM_GETTEXTW, static_cast<WPARAM>(std::size(text)), reinterpret_cast<LPARAM>(&info));
  EXPECT_STREQ(text, L"second");
}
