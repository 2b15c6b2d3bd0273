// The borrowed background of a window that sits on a skinned dialog: taken once, kept while what
// lies beneath changes, finished once, borrowed anew after a release, and nothing without a parent;
// and the window painting itself from it.
#include <gtest/gtest.h>

#include "skin/borrowed_background.h"
#include "skin/skinned_surface.h"
#include "skin_test_dialog.h"
#include "framework/dialog.h"
#include "framework/tests/support/ui_test_support.h"

using skin_test::CSkinTestDialog;

namespace {
// Over the red-blue border of the large test image scaled into the dialog (x 200), below the
// dialog's buttons.
constexpr RECT kArea{180, 262, 240, 296};
constexpr UINT kPanelTemplate = 9130;
constexpr POINT kRedPoint{5, 5};
constexpr POINT kBluePoint{40, 5};

int finishes = 0;
void MarkCorner(HDC dc, const RECT&) {
  ++finishes;
  SetPixel(dc, 0, 0, RGB(255, 255, 255));
}

class BorrowedBackground : public ::testing::Test {
 protected:
  void SetUp() override {
    finishes = 0;
    ASSERT_TRUE(dialog.Open());
    child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, kArea.left, kArea.top, RectWidth(kArea),
                            RectHeight(kArea), dialog.GetSafeHwnd(), nullptr, nullptr, nullptr);
    ASSERT_NE(child, nullptr);
  }
  static COLORREF At(HDC picture, POINT point) { return GetPixel(picture, point.x, point.y); }

  CSkinTestDialog dialog{skin_test::kLargeRedBlue};
  HWND child = nullptr;
};
}  // namespace

TEST_F(BorrowedBackground, IsTheParentsPictureUnderTheWindowKeptUntilReleased) {
  CBorrowedBackground background(&MarkCorner);
  HDC picture = background.Take(child);
  ASSERT_NE(picture, nullptr);
  EXPECT_TRUE(ColourNear(At(picture, kRedPoint), RGB(255, 0, 0)));
  EXPECT_TRUE(ColourNear(At(picture, kBluePoint), RGB(0, 0, 255)));
  EXPECT_EQ(At(picture, {0, 0}), RGB(255, 255, 255));

  // A 40-pixel image: black everywhere under the window.
  dialog.SetBackgroundImage(skin_test::kGreen);
  EXPECT_EQ(background.Take(child), picture);
  EXPECT_TRUE(ColourNear(At(picture, kBluePoint), RGB(0, 0, 255)));
  EXPECT_EQ(finishes, 1);

  background.Release();
  picture = background.Take(child);
  ASSERT_NE(picture, nullptr);
  EXPECT_TRUE(ColourNear(At(picture, kBluePoint), RGB(0, 0, 0)));
  EXPECT_EQ(finishes, 2);
}

TEST_F(BorrowedBackground, AWindowWithoutAParentGetsNothingUntilItHasOne) {
  CBorrowedBackground background(&MarkCorner);
  HWND alone = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 60, 40, nullptr, nullptr, nullptr, nullptr);
  EXPECT_EQ(background.Take(alone), nullptr);
  EXPECT_EQ(finishes, 0);
  DestroyWindow(alone);
  EXPECT_NE(background.Take(child), nullptr);
}

namespace {
// A skinned parent that sits on the dialog, as a wizard page sits on its frame.
class CSittingPanel : public CSkinnedParent<CDialog> {
 public:
  using CSkinnedParent::CSkinnedParent;

 protected:
  HDC LentBackground() override { return background_.Take(GetSafeHwnd()); }

 private:
  CBorrowedBackground background_{&MarkCorner};
};
}  // namespace

TEST_F(BorrowedBackground, ASkinnedParentPaintsItselfWithWhatItBorrowed) {
  DestroyWindow(child);
  CSittingPanel panel(kPanelTemplate, dialog.GetSafeHwnd());
  ASSERT_TRUE(panel.Create());
  SetWindowPos(panel.GetSafeHwnd(), HWND_TOP, kArea.left, kArea.top, RectWidth(kArea), RectHeight(kArea),
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
  RedrawWindow(panel.GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  PixelCanvas canvas(RectWidth(kArea), RectHeight(kArea));
  canvas.CaptureClient(panel.GetSafeHwnd());
  EXPECT_TRUE(ColourNear(canvas.Pixel(kRedPoint.x, kRedPoint.y), RGB(255, 0, 0)));
  EXPECT_TRUE(ColourNear(canvas.Pixel(kBluePoint.x, kBluePoint.y), RGB(0, 0, 255)));
  EXPECT_EQ(canvas.Pixel(0, 0), RGB(255, 255, 255));  // its own finish, not the dialog showing through
  panel.DestroyWindow();
}
