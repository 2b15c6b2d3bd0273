// Binding objects to windows: subclassing, creation, destruction, reflected notifications.
#include <gtest/gtest.h>

#include "framework/controls.h"
#include "framework/dialog.h"
#include "framework/tests/support/ui_test_support.h"

namespace {
constexpr UINT kDialog = 9300;
constexpr int kPress = 9301;
constexpr UINT kProbeMessage = WM_APP + 7;

// Counts what reaches it and answers kProbeMessage.
class CProbeWnd : public CWnd {
 public:
  int probes = 0;
  int ncDestroyed = 0;
  int childCommands = 0;
  bool handleChildCommands = false;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == kProbeMessage) return ++probes;
    return CWnd::WindowProc(message, wParam, lParam);
  }
  bool OnChildNotify(UINT message, WPARAM, LPARAM, LRESULT& result) override {
    if (message != WM_COMMAND) return false;
    ++childCommands;
    result = 0;
    return handleChildCommands;
  }
  void PostNcDestroy() override { ++ncDestroyed; }
};

class CCommandDialog : public CDialog {
 public:
  CCommandDialog() : CDialog(kDialog) {}
  int commands = 0;

 protected:
  bool OnCommand(WORD id, WORD code, HWND control) override {
    if (id == kPress && code == BN_CLICKED) {
      ++commands;
      return true;
    }
    return CDialog::OnCommand(id, code, control);
  }
};

class COwnerDrawnButton : public CButton {
 public:
  int draws = 0;

 protected:
  void DrawItem(const DRAWITEMSTRUCT&) override { ++draws; }
};
}  // namespace

TEST(WindowBinding, SubclassedControlSeesItsMessagesUntilReleased) {
  CCommandDialog dialog;
  ASSERT_TRUE(dialog.Create());
  CProbeWnd probe;
  ASSERT_TRUE(probe.SubclassDlgItem(kPress, dialog.GetSafeHwnd()));
  EXPECT_EQ(CWnd::FromHandle(dialog.GetDlgItem(kPress)), &probe);
  EXPECT_EQ(probe.SendMessage(kProbeMessage), 1);
  // A window takes one object at a time, and an object one window.
  CProbeWnd second;
  EXPECT_FALSE(second.SubclassWindow(probe.GetSafeHwnd()));
  EXPECT_FALSE(probe.SubclassWindow(dialog.GetSafeHwnd()));

  HWND button = probe.UnsubclassWindow();
  EXPECT_EQ(CWnd::FromHandle(button), nullptr);
  EXPECT_EQ(SendMessageW(button, kProbeMessage, 0, 0), 0);
  EXPECT_EQ(probe.probes, 1);
  EXPECT_TRUE(IsWindow(button));
}

TEST(WindowBinding, DestroyingTheWindowUnbindsTheObject) {
  CCommandDialog dialog;
  ASSERT_TRUE(dialog.Create());
  CProbeWnd probe;
  ASSERT_TRUE(probe.SubclassDlgItem(kPress, dialog.GetSafeHwnd()));
  dialog.DestroyWindow();
  EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
  EXPECT_EQ(probe.GetSafeHwnd(), nullptr);
  EXPECT_EQ(probe.ncDestroyed, 1);
}

TEST(WindowBinding, CreatedWindowsGoWithTheirObject) {
  HWND window = nullptr;
  {
    CProbeWnd probe;
    ASSERT_TRUE(probe.CreateEx(0, L"STATIC", L"", WS_POPUP, RECT{0, 0, 20, 20}, nullptr, 0));
    window = probe.GetSafeHwnd();
    EXPECT_EQ(probe.SendMessage(kProbeMessage), 1);
  }
  EXPECT_FALSE(IsWindow(window));
  // An attached window stays when its object goes.
  CCommandDialog dialog;
  ASSERT_TRUE(dialog.Create());
  { CProbeWnd probe; probe.SubclassDlgItem(kPress, dialog.GetSafeHwnd()); }
  EXPECT_TRUE(IsWindow(dialog.GetDlgItem(kPress)));
}

TEST(WindowBinding, ControlNotificationsGoToTheControlFirstThenToTheParent) {
  CCommandDialog dialog;
  ASSERT_TRUE(dialog.Create());
  CProbeWnd probe;
  ASSERT_TRUE(probe.SubclassDlgItem(kPress, dialog.GetSafeHwnd()));
  WPARAM clicked = MAKEWPARAM(kPress, BN_CLICKED);
  dialog.SendMessage(WM_COMMAND, clicked, reinterpret_cast<LPARAM>(probe.GetSafeHwnd()));
  EXPECT_EQ(probe.childCommands, 1);
  EXPECT_EQ(dialog.commands, 1);
  probe.handleChildCommands = true;
  dialog.SendMessage(WM_COMMAND, clicked, reinterpret_cast<LPARAM>(probe.GetSafeHwnd()));
  EXPECT_EQ(probe.childCommands, 2);
  EXPECT_EQ(dialog.commands, 1);
}

TEST(WindowBinding, OwnerDrawnButtonsDrawThroughTheReflectedMessage) {
  CCommandDialog dialog;
  ASSERT_TRUE(dialog.Create());
  COwnerDrawnButton button;
  ASSERT_TRUE(button.SubclassDlgItem(kPress, dialog.GetSafeHwnd()));
  button.ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW);
  dialog.ShowWindow(SW_SHOWNOACTIVATE);
  dialog.UpdateWindow();
  EXPECT_GE(button.draws, 1);
  dialog.DestroyWindow();
}
