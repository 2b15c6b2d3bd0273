// The skinned dialog base with real windows: moving by the background, background rendering and
// the background lent to the children.
#include <gtest/gtest.h>

#include "base/messages.h"
#include "skin_test_dialog.h"
#include "framework/tests/support/ui_test_support.h"

using namespace std::chrono_literals;
using skin_test::CSkinTestDialog;

namespace {
POINT ClientToScreenPoint(HWND window, int x, int y) {
  POINT point{x, y};
  ClientToScreen(window, &point);
  return point;
}
}  // namespace

TEST(SkinnedDialog, ClickOnTheBareBackgroundStartsAMoveAndOnAChildItDoesNot) {
  CSkinTestDialog dialog;
  ASSERT_TRUE(dialog.Open());
  PumpMessages(100ms);

  ClickAt(ClientToScreenPoint(dialog.GetSafeHwnd(), 60, 25));  // the push button
  PumpUntil([&] { return dialog.Commands(skin_test::kPush) == 1; }, 2000ms);
  EXPECT_EQ(dialog.Commands(skin_test::kPush), 1);
  EXPECT_EQ(dialog.MoveRequests(), 0);

  ClickAt(ClientToScreenPoint(dialog.GetSafeHwnd(), 350, 280));  // bare background
  EXPECT_TRUE(PumpUntil([&] { return dialog.MoveRequests() == 1; }, 2000ms));
}

TEST(SkinnedDialog, BackgroundLargerThanTheClientAreaIsScaledToIt) {
  CSkinTestDialog dialog(skin_test::kLargeRedBlue);
  ASSERT_TRUE(dialog.Open());
  PixelCanvas canvas(skin_test::kClientWidth, skin_test::kClientHeight);
  BitBlt(canvas.Dc(), 0, 0, canvas.Width(), canvas.Height(), dialog.BackgroundDC(), 0, 0, SRCCOPY);
  // 800 x 600, red left half and blue right half, squeezed into 400 x 300.
  EXPECT_TRUE(ColourNear(canvas.Pixel(195, 150), RGB(255, 0, 0)));
  EXPECT_TRUE(ColourNear(canvas.Pixel(205, 150), RGB(0, 0, 255)));
  EXPECT_TRUE(ColourNear(canvas.Pixel(399, 299), RGB(0, 0, 255)));
}

TEST(SkinnedDialog, BackgroundSmallerThanTheClientAreaKeepsItsSizeAndTheRestStaysBlack) {
  CSkinTestDialog dialog(skin_test::kSmallGreen);
  ASSERT_TRUE(dialog.Open());
  PixelCanvas canvas(skin_test::kClientWidth, skin_test::kClientHeight, RGB(1, 2, 3));
  BitBlt(canvas.Dc(), 0, 0, canvas.Width(), canvas.Height(), dialog.BackgroundDC(), 0, 0, SRCCOPY);
  EXPECT_TRUE(ColourNear(canvas.Pixel(0, 0), RGB(0, 255, 0)));
  EXPECT_TRUE(ColourNear(canvas.Pixel(99, 99), RGB(0, 255, 0)));
  EXPECT_EQ(canvas.Pixel(100, 50), RGB(0, 0, 0));
  EXPECT_EQ(canvas.Pixel(50, 100), RGB(0, 0, 0));
  EXPECT_EQ(canvas.Pixel(399, 299), RGB(0, 0, 0));
}

TEST(SkinnedDialog, MissingBackgroundLeavesTheDialogBlack) {
  CSkinTestDialog dialog(4242);
  ASSERT_TRUE(dialog.Open());
  ASSERT_NE(dialog.BackgroundDC(), nullptr);
  PixelCanvas canvas(skin_test::kClientWidth, skin_test::kClientHeight, RGB(1, 2, 3));
  BitBlt(canvas.Dc(), 0, 0, canvas.Width(), canvas.Height(), dialog.BackgroundDC(), 0, 0, SRCCOPY);
  EXPECT_EQ(canvas.Pixel(200, 150), RGB(0, 0, 0));
}

TEST(SkinnedDialog, LendsThePartOfItsBackgroundUnderTheAskingChild) {
  CSkinTestDialog dialog(skin_test::kLargeRedBlue);
  ASSERT_TRUE(dialog.Open());
  // Move the dialog first: the lent part follows the child, not the screen.
  SetWindowPos(dialog.GetSafeHwnd(), nullptr, 37, 23, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  HWND child = dialog.GetDlgItem(skin_test::kUnderline);  // (170, 195)-(390, 225), across the halves
  PixelCanvas canvas(220, 30, RGB(1, 2, 3));
  EXPECT_EQ(SendMessageW(dialog.GetSafeHwnd(), WM_DRAW_PARENT_BG, reinterpret_cast<WPARAM>(canvas.Dc()),
                         reinterpret_cast<LPARAM>(child)),
            0);
  EXPECT_TRUE(ColourNear(canvas.Pixel(0, 0), RGB(255, 0, 0)));      // dialog x 170
  EXPECT_TRUE(ColourNear(canvas.Pixel(25, 29), RGB(255, 0, 0)));    // dialog x 195
  EXPECT_TRUE(ColourNear(canvas.Pixel(35, 0), RGB(0, 0, 255)));     // dialog x 205
  EXPECT_TRUE(ColourNear(canvas.Pixel(219, 29), RGB(0, 0, 255)));
}

TEST(SkinnedDialog, CaptionButtonsCountAsCaptionSoTheyDragInsteadOfActing) {
  CGdipDialog dialog(9120);
  ASSERT_TRUE(dialog.Create());
  dialog.ShowWindow(SW_SHOWNOACTIVATE);
  RECT window = dialog.GetWindowRect();
  int buttonsSeen = 0;
  // Walk the caption row from the right; wherever the platform sees a caption button, the dialog
  // answers caption.
  for (int y = window.top; y < window.top + GetSystemMetrics(SM_CYCAPTION) + 8; y += 2) {
    for (int x = window.right - 1; x > window.right - 120; x -= 2) {
      LPARAM point = MAKELPARAM(x, y);
      LRESULT platform = DefWindowProcW(dialog.GetSafeHwnd(), WM_NCHITTEST, 0, point);
      LRESULT answer = dialog.SendMessage(WM_NCHITTEST, 0, point);
      if (platform == HTCLOSE || platform == HTMINBUTTON || platform == HTMAXBUTTON) {
        ++buttonsSeen;
        EXPECT_EQ(answer, HTCAPTION);
      } else {
        EXPECT_EQ(answer, platform);
      }
    }
  }
  EXPECT_GT(buttonsSeen, 0);
}
