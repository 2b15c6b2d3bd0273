// Opening, using and closing a dialog with every skinned control, each painted and the in-place
// editor opened and closed, leaves no GDI or USER object behind.
#include <gtest/gtest.h>

#include "controls_test_dialog.h"
#include "skin/controls/gdip_list_combo_box.h"
#include "framework/tests/support/ui_test_support.h"

using namespace std::chrono_literals;
using namespace controls_test;

namespace {
void UseEveryControl() {
  CControlsTestDialog dialog;
  ASSERT_TRUE(dialog.Open());
  dialog.combo.LoadFaceImage(kRed);
  dialog.combo.AddString(L"NAS");
  dialog.combo.SetCurSel(0);
  dialog.list.InsertColumn(0, L"Name", LVCFMT_LEFT, 200);
  dialog.list.InsertColumn(1, L"Location", LVCFMT_LEFT, 100);
  dialog.list.InsertItem(0, L"Public");
  dialog.list.SetItemText(0, 1, L"select");
  dialog.list.AddListColumn();
  dialog.choices = {L"X:", L"Y:"};
  for (int click = 0; click < 2; ++click) {
    dialog.list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(250, 37));
    dialog.list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(250, 37));
  }
  dialog.progress.LoadImages(kGrey, kRed, kGreen, kBlue);
  dialog.progress.SetPos(40);
  dialog.picture.SetImage(kBlue);
  for (int index = 0; index < 6; ++index) dialog.Folders().AddFolder(L"Share");
  dialog.Volume().SetVolumeInfo(100, L"Volume_1", 30);
  dialog.Address().SetAddress({192, 168, 1, 2});
  RedrawWindow(dialog.GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  CGdipListComboBox::Shared().SendMessage(WM_KEYDOWN, VK_ESCAPE);
  PumpMessages(10ms);
  dialog.DestroyWindow();
}

// One address field's whole life inside a living dialog, as its template would give it: the
// dialog's font, the focus with its caret, typed digits, a painting.
void UseOneAddressField(const CControlsTestDialog& dialog) {
  HWND field = CreateWindowExW(0, CGdipIpAddrCtl::kClassName, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 400, 300, 188,
                               28, dialog.GetSafeHwnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(field, nullptr);
  SendMessageW(field, WM_SETFONT, dialog.SendMessage(WM_GETFONT), FALSE);
  SetFocus(field);
  for (wchar_t digit : std::wstring(L"1921681")) SendMessageW(GetFocus(), WM_CHAR, digit, 0);
  PixelCanvas canvas(188, 28);
  SendMessageW(field, WM_PRINT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT | PRF_CHILDREN | PRF_ERASEBKGND);
  DestroyWindow(field);
}
}  // namespace

TEST(ControlLeaks, TwelveDialogsLeaveTheObjectCountsWhereTheyBegan) {
  for (int round = 0; round < 3; ++round) UseEveryControl();  // the platform's caches fill first
  PumpMessages(50ms);
  GuiObjectCounts before = CountGuiObjects();
  for (int round = 0; round < 12; ++round) UseEveryControl();
  PumpMessages(50ms);
  GuiObjectCounts after = CountGuiObjects();
  EXPECT_EQ(after.gdi, before.gdi);
  EXPECT_EQ(after.user, before.user);
}

TEST(ControlLeaks, FiftyAddressFieldsComeAndGoWithoutLeavingAnObject) {
  CControlsTestDialog dialog;
  ASSERT_TRUE(dialog.Open());
  for (int round = 0; round < 3; ++round) UseOneAddressField(dialog);
  PumpMessages(20ms);
  const GuiObjectCounts before = CountGuiObjects();
  for (int round = 0; round < 50; ++round) UseOneAddressField(dialog);
  PumpMessages(20ms);
  EXPECT_EQ(CountGuiObjects(), before);
  dialog.DestroyWindow();
}
