// The looks of the skinned buttons that are defined by numbers: sizes of the marks, the half-alpha
// disabled rendering, the state images of the step markers, the tabs' text offset and colours.
// Each button is drawn into a memory canvas through the parent's WM_DRAWITEM, as the system does;
// the dialog has no background image, so everything the button does not draw stays black.
#include <gtest/gtest.h>

#include <memory>

#include "skin/skin_draw.h"
#include "skin_test_dialog.h"
#include "framework/tests/support/ui_test_support.h"

using namespace std::chrono_literals;
using skin_test::CSkinTestDialog;

namespace {
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kHalfRed = RGB(128, 0, 0);
constexpr UINT kNoImage = 4242;

class ButtonLooks : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dialog.Open()); }

  std::unique_ptr<PixelCanvas> Render(const CWnd& button, UINT itemState = 0) {
    RECT client = button.GetClientRect();
    auto canvas = std::make_unique<PixelCanvas>(client.right, client.bottom, RGB(9, 9, 9));
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(button.GetDlgCtrlID());
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = itemState;
    item.hwndItem = button.GetSafeHwnd();
    item.hDC = canvas->Dc();
    item.rcItem = client;
    dialog.SendMessage(WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
    return canvas;
  }

  // The leftmost column at or right of `from` that holds a pixel of the text (above the bottom row).
  static int LeftmostInk(const PixelCanvas& canvas, int from, int bottom) {
    for (int x = from; x < canvas.Width(); ++x) {
      for (int y = 0; y < bottom; ++y) {
        if (canvas.Pixel(x, y) != kBlack) return x;
      }
    }
    return -1;
  }
  static bool HasPixelNear(const PixelCanvas& canvas, COLORREF colour, int tolerance) {
    for (int y = 0; y < canvas.Height(); ++y) {
      for (int x = 0; x < canvas.Width(); ++x) {
        if (ColourNear(canvas.Pixel(x, y), colour, tolerance)) return true;
      }
    }
    return false;
  }

  CSkinTestDialog dialog{kNoImage};
};
}  // namespace

TEST_F(ButtonLooks, PushButtonStatesAndTheHalfAlphaDisabledLook) {
  dialog.push.SetDrawText(false);
  EXPECT_TRUE(ColourNear(Render(dialog.push)->Pixel(55, 17), kRed));
  EXPECT_TRUE(ColourNear(Render(dialog.push, ODS_SELECTED)->Pixel(55, 17), kBlue));
  dialog.push.SendMessage(WM_MOUSEHOVER);
  EXPECT_TRUE(ColourNear(Render(dialog.push)->Pixel(109, 33), kGreen));  // scaled to the client area

  // Disabled: the normal image at half opacity over the background, whatever the mouse does.
  dialog.push.EnableWindow(false);
  auto disabled = Render(dialog.push, ODS_DISABLED);
  EXPECT_TRUE(ColourNear(disabled->Pixel(55, 17), kHalfRed, 12)) << std::hex << disabled->Pixel(55, 17);
  EXPECT_TRUE(ColourNear(disabled->Pixel(0, 0), kHalfRed, 12));
  // Later disabled paints come from the cache and look the same.
  EXPECT_EQ(Render(dialog.push, ODS_DISABLED)->Pixel(55, 17), disabled->Pixel(55, 17));
}

TEST_F(ButtonLooks, DisabledPushButtonTextIsGrey) {
  dialog.push.EnableWindow(false);
  auto canvas = Render(dialog.push, ODS_DISABLED);
  EXPECT_TRUE(HasPixelNear(*canvas, kSkinDisabledGrey, 20));
  EXPECT_FALSE(HasPixelNear(*canvas, kSkinWhite, 40));
}

TEST_F(ButtonLooks, RadioMarksAre18By18) {
  dialog.radioOne.SetDrawText(false);
  auto unchecked = Render(dialog.radioOne);
  EXPECT_TRUE(ColourNear(unchecked->Pixel(17, 17), kRed));
  EXPECT_EQ(unchecked->Pixel(18, 18), kBlack);
  EXPECT_EQ(unchecked->Pixel(18, 5), kBlack);
  dialog.radioOne.SetCheck(BST_CHECKED);
  auto checked = Render(dialog.radioOne);
  EXPECT_TRUE(ColourNear(checked->Pixel(17, 17), kBlue));
  EXPECT_EQ(checked->Pixel(18, 18), kBlack);
  auto disabled = Render(dialog.radioOne, ODS_DISABLED);
  EXPECT_TRUE(ColourNear(disabled->Pixel(9, 9), kHalfRed, 12));  // unchecked mark, half alpha
  EXPECT_EQ(disabled->Pixel(18, 18), kBlack);
}

TEST_F(ButtonLooks, CheckBoxIs20By20WithA22By22MarkOverIt) {
  dialog.check.SetDrawText(false);
  auto unchecked = Render(dialog.check);
  EXPECT_TRUE(ColourNear(unchecked->Pixel(19, 19), kRed));
  EXPECT_EQ(unchecked->Pixel(20, 20), kBlack);
  dialog.check.SetCheck(BST_CHECKED);
  auto checked = Render(dialog.check);
  EXPECT_TRUE(ColourNear(checked->Pixel(10, 10), kBlue));
  EXPECT_TRUE(ColourNear(checked->Pixel(21, 21), kBlue));
  EXPECT_EQ(checked->Pixel(22, 21), kBlack);
  auto disabled = Render(dialog.check, ODS_DISABLED);
  EXPECT_TRUE(ColourNear(disabled->Pixel(10, 10), kHalfRed, 12));
  EXPECT_EQ(disabled->Pixel(20, 20), kBlack);
}

TEST_F(ButtonLooks, CheckBoxTextStartsAfterTheImage) {
  auto canvas = Render(dialog.check);
  int left = LeftmostInk(*canvas, 41, canvas->Height());  // the 40-pixel test image, then 3 pixels gap
  EXPECT_GE(left, 43);
  EXPECT_LE(left, 46);
}

TEST_F(ButtonLooks, StepMarkersDrawTheImageOfTheirState) {
  CProcessButton& marker = dialog.process;
  marker.SetDrawText(false);
  marker.LoadImages(skin_test::kRed, skin_test::kGreen, skin_test::kBlue);
  const struct {
    int state;
    COLORREF colour;
  } states[] = {{CProcessButton::kDone, kRed}, {CProcessButton::kCurrent, kGreen}, {CProcessButton::kToCome, kBlue}, {7, kBlue}};
  for (const auto& expected : states) {
    marker.SetState(expected.state);
    auto canvas = Render(marker);
    EXPECT_TRUE(ColourNear(canvas->Pixel(39, 39), expected.colour)) << expected.state;
    EXPECT_EQ(canvas->Pixel(40, 39), kBlack) << "drawn unscaled, its own width";
    EXPECT_EQ(canvas->Pixel(39, 40), kBlack) << "and its own height";
  }
  marker.SetNarrow(true);
  auto narrow = Render(marker);
  EXPECT_TRUE(ColourNear(narrow->Pixel(14, 20), kBlue));
  EXPECT_EQ(narrow->Pixel(15, 20), kBlack);
}

TEST_F(ButtonLooks, StepMarkersLoadTheSkinsMarkersWhenGivenNone) {
  CProcessButton& marker = dialog.process;
  marker.SetDrawText(false);
  COLORREF centres[3];
  for (int state = 0; state < 3; ++state) {
    marker.SetState(state);
    centres[state] = Render(marker)->Pixel(7, 31);  // the middle of the marker's dot
    EXPECT_NE(centres[state], kBlack) << state;
  }
  EXPECT_NE(centres[0], centres[1]);
  EXPECT_NE(centres[1], centres[2]);
}

TEST_F(ButtonLooks, UnderlineTabMovesItsText25PixelsAndTurnsBlueWhenSelected) {
  CUnderLineButton& tab = dialog.underline;
  auto plain = Render(tab);
  int bottom = plain->Height() - 1;
  int plainLeft = LeftmostInk(*plain, 0, bottom);
  EXPECT_GE(plainLeft, 60);
  EXPECT_LE(plainLeft, 63);
  EXPECT_TRUE(HasPixelNear(*plain, kSkinWhite, 30));
  EXPECT_FALSE(HasPixelNear(*plain, kSkinHighlight, 30));
  EXPECT_NE(plain->Pixel(110, bottom), kBlack);  // the line, one pixel high

  tab.SetSelected(true);
  tab.SendMessage(WM_MOUSEHOVER);  // the mouse changes nothing of the look
  auto selected = Render(tab);
  EXPECT_EQ(LeftmostInk(*selected, 0, bottom), plainLeft + 25);
  EXPECT_TRUE(HasPixelNear(*selected, kSkinHighlight, 30));
  EXPECT_FALSE(HasPixelNear(*selected, kSkinWhite, 30));
}

TEST_F(ButtonLooks, IconRadioButtonPlacesMarkAndIconAndBlendsTheFocusBackground) {
  CIconRadioButton& option = dialog.iconRadio;  // 220 x 58: checked blue, unchecked red, icon green
  auto plain = Render(option);
  EXPECT_TRUE(ColourNear(plain->Pixel(9, 29), kRed));
  EXPECT_EQ(plain->Pixel(9, 19), kBlack);  // the mark is vertically centred, 18 high
  EXPECT_TRUE(ColourNear(plain->Pixel(23, 29), kGreen));
  EXPECT_TRUE(ColourNear(plain->Pixel(80, 51), kGreen));
  EXPECT_EQ(plain->Pixel(81, 29), kBlack);
  EXPECT_EQ(plain->Pixel(90, 3), kBlack);
  option.SetCheck(BST_CHECKED);
  auto focused = Render(option, ODS_FOCUS);
  EXPECT_TRUE(ColourNear(focused->Pixel(9, 29), kBlue));
  // The grey focus background (0x40) at constant alpha 200 over black.
  EXPECT_TRUE(ColourNear(focused->Pixel(90, 3), RGB(50, 50, 50), 6)) << std::hex << focused->Pixel(90, 3);
}

TEST_F(ButtonLooks, ShortcutButtonBackgroundsAndIcons) {
  CShortCutButton& shortcut = dialog.shortcut;  // backgrounds grey/blue/green, icons red/blue
  shortcut.SetDrawText(false);
  auto plain = Render(shortcut);
  EXPECT_TRUE(ColourNear(plain->Pixel(150, 2), RGB(0x40, 0x40, 0x40)));
  EXPECT_TRUE(ColourNear(plain->Pixel(51, 51), kRed));
  shortcut.SendMessage(WM_MOUSEHOVER);
  auto hovered = Render(shortcut);
  EXPECT_TRUE(ColourNear(hovered->Pixel(150, 2), kGreen));
  EXPECT_TRUE(ColourNear(hovered->Pixel(10, 10), kBlue));
  shortcut.SendMessage(WM_MOUSELEAVE);
  shortcut.SetActive(true);
  EXPECT_TRUE(ColourNear(Render(shortcut)->Pixel(150, 2), kBlue));
  auto disabled = Render(shortcut, ODS_DISABLED);
  EXPECT_TRUE(ColourNear(disabled->Pixel(150, 2), RGB(0x20, 0x20, 0x20), 6));
  // The icon fades as the background does: half of the red over the half-grey.
  EXPECT_TRUE(ColourNear(disabled->Pixel(10, 10), RGB(0x8F, 0x10, 0x10), 8)) << std::hex << disabled->Pixel(10, 10);
}

TEST_F(ButtonLooks, BottomIconButtonIsDimUntilPointedAt) {
  auto dim = Render(dialog.bottomIcon);
  EXPECT_TRUE(HasPixelNear(*dim, kSkinDimGrey, 20));
  EXPECT_FALSE(HasPixelNear(*dim, kSkinWhite, 40));
  dialog.bottomIcon.SendMessage(WM_MOUSEHOVER);
  EXPECT_TRUE(HasPixelNear(*Render(dialog.bottomIcon), kSkinWhite, 30));
}

TEST_F(ButtonLooks, TooltipIsPaintedInTheSkinsColours) {
  dialog.push.SendMessage(WM_MOUSEHOVER);
  CSkinToolTip* tip = dialog.push.ToolTip();
  ASSERT_NE(tip, nullptr);
  SetWindowPos(tip->GetSafeHwnd(), nullptr, 0, 0, 60, 20, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
  PixelCanvas canvas(60, 20, RGB(9, 9, 9));
  tip->SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
  RECT client = tip->GetClientRect();
  EXPECT_EQ(canvas.Pixel(0, 0), RGB(0xC8, 0xC8, 0xC8));
  EXPECT_EQ(canvas.Pixel(client.right - 1, client.bottom - 1), RGB(0xC8, 0xC8, 0xC8));
  EXPECT_EQ(canvas.Pixel(2, 2), RGB(0, 0, 0));
  EXPECT_TRUE(HasPixelNear(canvas, kSkinWhite, 40));  // "Push" in white
}
