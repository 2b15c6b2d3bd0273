// Opening and closing a skinned dialog with every button class, drawn in all its looks and with
// its tooltips shown, leaves no GDI or USER object behind.
#include <gtest/gtest.h>

#include "skin_test_dialog.h"
#include "framework/tests/support/ui_test_support.h"

using skin_test::CSkinTestDialog;

namespace {
void DrawAllLooks(const CSkinTestDialog& dialog, PixelCanvas& canvas) {
  const UINT ids[] = {skin_test::kPush,      skin_test::kCheck,    skin_test::kRadioOne,
                      skin_test::kIconRadio, skin_test::kShortcut, skin_test::kProcess,
                      skin_test::kUnderline, skin_test::kBottomIcon, skin_test::kRepeat};
  const UINT states[] = {0, ODS_SELECTED, ODS_FOCUS, ODS_DISABLED, ODS_DISABLED};
  for (UINT id : ids) {
    HWND button = dialog.GetDlgItem(static_cast<int>(id));
    SendMessageW(button, WM_MOUSEHOVER, 0, 0);  // a fresh tooltip each time
    SendMessageW(button, BM_SETCHECK, BST_CHECKED, 0);
    for (UINT state : states) {
      DRAWITEMSTRUCT item{};
      item.CtlType = ODT_BUTTON;
      item.CtlID = id;
      item.itemAction = ODA_DRAWENTIRE;
      item.itemState = state;
      item.hwndItem = button;
      item.hDC = canvas.Dc();
      GetClientRect(button, &item.rcItem);
      dialog.SendMessage(WM_DRAWITEM, id, reinterpret_cast<LPARAM>(&item));
    }
  }
}

void OpenDrawAndClose() {
  CSkinTestDialog dialog;
  ASSERT_TRUE(dialog.Create());
  PixelCanvas canvas(240, 60);
  DrawAllLooks(dialog, canvas);
  dialog.DestroyWindow();
}
}  // namespace

TEST(SkinLeaks, TwoHundredDialogsLeaveTheObjectCountsWhereTheyBegan) {
  // The first rounds fill the platform's own caches (fonts, classes, GDI+ state).
  for (int round = 0; round < 3; ++round) OpenDrawAndClose();
  PumpMessages(std::chrono::milliseconds(50));
  GuiObjectCounts before = CountGuiObjects();
  ASSERT_GT(before.gdi, 0u);
  for (int round = 0; round < 200; ++round) OpenDrawAndClose();
  PumpMessages(std::chrono::milliseconds(50));
  GuiObjectCounts after = CountGuiObjects();
  EXPECT_EQ(after.gdi, before.gdi);
  EXPECT_EQ(after.user, before.user);
}

TEST(SkinLeaks, TheObjectCountSeesALeak) {
  GuiObjectCounts before = CountGuiObjects();
  HBRUSH leaked = CreateSolidBrush(RGB(1, 2, 3));
  HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  GuiObjectCounts during = CountGuiObjects();
  EXPECT_EQ(during.gdi, before.gdi + 1);
  EXPECT_GT(during.user, before.user);  // the platform may add a window of its own for the thread
  DestroyWindow(window);
  DeleteObject(leaked);
  EXPECT_EQ(CountGuiObjects().gdi, before.gdi);
}
