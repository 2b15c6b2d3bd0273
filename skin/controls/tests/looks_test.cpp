// The looks that are defined by numbers, read back from the screen: the pieces of a 200-pixel bar
// at 50%, the gauge's pieces, the half-alpha face of a disabled combo box, the list's selected row,
// grid and grey prompt, and the background that panels pass on to their children from under the
// children themselves. The dialog's background is red left of x 380 and blue right of it; the
// test images are plain red, green, blue and grey.
#include <gtest/gtest.h>

#include <memory>

#include "controls_test_dialog.h"
#include "skin/skin_draw.h"
#include "framework/tests/support/ui_test_support.h"

using namespace std::chrono_literals;
using namespace controls_test;

namespace {
constexpr COLORREF kRedColour = RGB(255, 0, 0);
constexpr COLORREF kGreenColour = RGB(0, 255, 0);
constexpr COLORREF kBlueColour = RGB(0, 0, 255);
constexpr COLORREF kGreyColour = RGB(0x40, 0x40, 0x40);

class Looks : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dialog.Open());
    PumpMessages(20ms);
  }

  // The control as it is on the screen once it has painted.
  static std::unique_ptr<PixelCanvas> Capture(const CWnd& control) {
    control.Invalidate(false);
    control.UpdateWindow();
    RECT client = control.GetClientRect();
    auto canvas = std::make_unique<PixelCanvas>(client.right, client.bottom);
    canvas->CaptureClient(control.GetSafeHwnd());
    return canvas;
  }
  static bool AnyNear(const PixelCanvas& canvas, const RECT& area, COLORREF colour, int tolerance) {
    for (int y = area.top; y < area.bottom; ++y) {
      for (int x = area.left; x < area.right; ++x) {
        if (ColourNear(canvas.Pixel(x, y), colour, tolerance)) return true;
      }
    }
    return false;
  }

  CControlsTestDialog dialog;
};
}  // namespace

TEST_F(Looks, A200PixelBarAt50PercentIsTheLeftPieceAndNineTiles) {
  dialog.progress.SetRange(0, 100);
  dialog.progress.SetPos(50);
  dialog.progress.LoadImages(kGrey, kRed, kGreen, kBlue);
  auto bar = Capture(dialog.progress);
  ASSERT_EQ(bar->Width(), 200);
  for (int x : {0, 9}) EXPECT_TRUE(ColourNear(bar->Pixel(x, 8), kRedColour)) << x;
  for (int x : {10, 55, 99}) EXPECT_TRUE(ColourNear(bar->Pixel(x, 8), kGreenColour)) << x;
  for (int x : {100, 150, 199}) EXPECT_TRUE(ColourNear(bar->Pixel(x, 8), kGreyColour)) << x;
  EXPECT_TRUE(ColourNear(bar->Pixel(50, 15), kGreenColour));  // stretched to the bar's height
}

TEST_F(Looks, TheGaugeFillsFromTheTopAndEndsInTheBottomCap) {
  dialog.slider.SetRange(0, 100);
  dialog.slider.SetPos(50);
  dialog.slider.LoadImages(kGrey, kRed, kGreen, kBlue);
  auto half = Capture(dialog.slider);
  ASSERT_EQ(half->Height(), 200);
  EXPECT_TRUE(ColourNear(half->Pixel(6, 5), kRedColour));
  EXPECT_TRUE(ColourNear(half->Pixel(6, 50), kGreenColour));
  EXPECT_TRUE(ColourNear(half->Pixel(0, 99), kGreenColour));  // as wide as the control
  EXPECT_TRUE(ColourNear(half->Pixel(6, 100), kGreyColour));
  dialog.slider.SetPos(100);
  auto full = Capture(dialog.slider);
  EXPECT_TRUE(ColourNear(full->Pixel(6, 185), kGreenColour));
  EXPECT_TRUE(ColourNear(full->Pixel(6, 195), kBlueColour));
}

TEST_F(Looks, ADisabledComboBoxShowsItsFaceAtHalfAlpha) {
  dialog.combo.LoadFaceImage(kRed);
  auto enabled = Capture(dialog.combo);
  EXPECT_TRUE(ColourNear(enabled->Pixel(5, 5), kRedColour));
  EXPECT_TRUE(ColourNear(enabled->Pixel(45, 5), kBlueColour));  // the 40-pixel face at its own size
  dialog.combo.EnableWindow(false);
  auto disabled = Capture(dialog.combo);
  EXPECT_TRUE(ColourNear(disabled->Pixel(5, 5), RGB(128, 0, 127), 12)) << std::hex << disabled->Pixel(5, 5);
}

TEST_F(Looks, TheComboBoxDrawsTheSelectedTextInItsDarkColour) {
  dialog.combo.LoadFaceImage(kSmallGreen);  // 100 x 100: covers the whole box
  dialog.combo.AddString(L"NAS-01");
  dialog.combo.SetCurSel(0);
  auto face = Capture(dialog.combo);
  RECT text{6, 6, 228, 24};
  EXPECT_TRUE(AnyNear(*face, text, RGB(0x32, 0x32, 0x32), 16));
  EXPECT_FALSE(AnyNear(*face, RECT{228, 0, 260, 30}, RGB(0x32, 0x32, 0x32), 40));  // the drop button stays clear
}

TEST_F(Looks, TheListsSelectedRowGridAndGreyPrompt) {
  CGdipListCtrl& list = dialog.list;
  list.InsertColumn(0, L"Name", LVCFMT_LEFT, 200);
  list.InsertColumn(1, L"Location", LVCFMT_LEFT, 100);
  list.InsertItem(0, L"Public");
  list.SetItemText(0, 1, L"select");
  list.InsertItem(1, L"Music");
  list.SetItemText(1, 1, L"X:");
  list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
  auto shown = Capture(list);
  RECT prompt = list.GetItemRect(0, LVIR_BOUNDS);
  prompt.left += 201;
  prompt.right = prompt.left + 98;
  prompt.bottom -= 1;
  EXPECT_TRUE(AnyNear(*shown, prompt, kSkinDimGrey, 12));
  EXPECT_FALSE(AnyNear(*shown, prompt, kSkinWhite, 40));
  RECT name = list.GetItemRect(0, LVIR_BOUNDS);
  name.right = name.left + 199;
  EXPECT_TRUE(AnyNear(*shown, name, kSkinWhite, 20));
  EXPECT_FALSE(AnyNear(*shown, name, kSkinDimGrey, 12));
  // The unselected row shows the parent's background, the selected one the dark fill; the grid
  // runs along the column edge and under each row.
  RECT first = list.GetItemRect(0, LVIR_BOUNDS);
  RECT second = list.GetItemRect(1, LVIR_BOUNDS);
  EXPECT_TRUE(ColourNear(shown->Pixel(190, first.top + 2), kRedColour));
  EXPECT_EQ(shown->Pixel(190, second.top + 2), RGB(0x50, 0x50, 0x50));
  EXPECT_EQ(shown->Pixel(199, first.top + 5), RGB(0x4B, 0x4B, 0x4B));
  EXPECT_EQ(shown->Pixel(150, first.bottom - 1), RGB(0x4B, 0x4B, 0x4B));
  // Below the rows: empty cells of the same grid over the background.
  EXPECT_TRUE(ColourNear(shown->Pixel(150, second.bottom + 10), kRedColour));
  EXPECT_EQ(shown->Pixel(199, second.bottom + 10), RGB(0x4B, 0x4B, 0x4B));
  // The header: the background lent by the list, and the white line under the titles.
  EXPECT_TRUE(ColourNear(shown->Pixel(330, 3), kRedColour));
  EXPECT_EQ(shown->Pixel(330, 21), RGB(255, 255, 255));
}

TEST_F(Looks, PanelsPassOnTheBackgroundFromUnderTheirChildren) {
  // The share list's scroll bar sits at x 506 of a panel that starts at x 230: over blue, while
  // the panel's own corner is over red.
  for (int index = 0; index < 5; ++index) dialog.Folders().AddFolder(L"Share");
  auto gauge = Capture(dialog.Folders().ScrollBar());
  EXPECT_TRUE(ColourNear(gauge->Pixel(0, 100), kBlueColour)) << std::hex << gauge->Pixel(0, 100);
  // The volume panel from x 10: its name over red, its percentage (from x 432) over blue.
  CVolumeInfoCtrl& volume = dialog.Volume();
  EXPECT_TRUE(ColourNear(Capture(volume.NameText())->Pixel(1, 1), kRedColour));
  EXPECT_TRUE(ColourNear(Capture(volume.PercentText())->Pixel(1, 1), kBlueColour));
}
