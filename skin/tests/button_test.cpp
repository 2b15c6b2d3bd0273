// Behaviour of the skinned buttons in a real dialog: check boxes, radio groups, clicks, double
// clicks, auto-repeat, tooltips.
#include <gtest/gtest.h>

#include "base/messages.h"
#include "skin_test_dialog.h"
#include "framework/tests/support/ui_test_support.h"

using namespace std::chrono_literals;
using skin_test::CSkinTestDialog;

namespace {
class SkinnedButtons : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dialog.Open());
    PumpMessages(20ms);
  }
  // Presses and releases the left button at client point (x, y) of `button`, releasing at
  // (releaseX, releaseY), as the system delivers it to a button that has the capture.
  static void Press(const CWnd& button, int x, int y, int releaseX, int releaseY, UINT down = WM_LBUTTONDOWN) {
    button.SendMessage(down, MK_LBUTTON, MAKELPARAM(x, y));
    button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(releaseX, releaseY));
  }
  static void Click(const CWnd& button) { Press(button, 5, 5, 5, 5); }

  CSkinTestDialog dialog;
};
}  // namespace

TEST_F(SkinnedButtons, KindComesFromTheTemplateStyleAndEveryButtonIsOwnerDrawn) {
  EXPECT_EQ(dialog.push.Kind(), ButtonKind::kPush);
  EXPECT_EQ(dialog.check.Kind(), ButtonKind::kCheckBox);
  EXPECT_EQ(dialog.radioTwo.Kind(), ButtonKind::kRadio);
  EXPECT_EQ(dialog.iconRadio.Kind(), ButtonKind::kRadio);
  for (const CWnd* button : {static_cast<const CWnd*>(&dialog.push), static_cast<const CWnd*>(&dialog.check),
                             static_cast<const CWnd*>(&dialog.shortcut)}) {
    EXPECT_EQ(button->GetStyle() & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW));
    EXPECT_EQ(button->GetProp(L"###restoreparentdc_tag###"), button->GetSafeHwnd());
  }
}

TEST_F(SkinnedButtons, ClickTogglesACheckBoxOnlyWhenReleasedOverIt) {
  Click(dialog.check);
  EXPECT_EQ(dialog.check.GetCheck(), BST_CHECKED);
  Click(dialog.check);
  EXPECT_EQ(dialog.check.GetCheck(), BST_UNCHECKED);
  Press(dialog.check, 5, 5, 5, 300);  // dragged off before release
  EXPECT_EQ(dialog.check.GetCheck(), BST_UNCHECKED);
  dialog.check.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ(dialog.check.GetCheck(), BST_CHECKED);
}

TEST_F(SkinnedButtons, PushButtonsNeverStayChecked) {
  dialog.push.SetCheck(BST_CHECKED);
  EXPECT_EQ(dialog.push.GetCheck(), BST_UNCHECKED);
}

TEST_F(SkinnedButtons, CheckingARadioButtonClearsTheRestOfItsGroupAcrossTheWrap) {
  dialog.radioOne.SetCheck(BST_CHECKED);
  dialog.radioTwo.SetCheck(BST_CHECKED);  // an unusual state only a program makes
  PumpMessages(20ms);
  EXPECT_EQ(dialog.radioOne.GetCheck(), BST_UNCHECKED);

  dialog.radioOne.SetCheck(BST_CHECKED);
  PumpMessages(20ms);
  dialog.radioThree.SendMessage(WM_KEYDOWN, VK_SPACE, 0);  // the last one clears the first
  PumpMessages(20ms);
  EXPECT_EQ(dialog.radioThree.GetCheck(), BST_CHECKED);
  EXPECT_EQ(dialog.radioOne.GetCheck(), BST_UNCHECKED);
  EXPECT_EQ(dialog.radioTwo.GetCheck(), BST_UNCHECKED);

  Click(dialog.radioOne);  // the first one clears the last, across the wrap
  PumpMessages(20ms);
  EXPECT_EQ(dialog.radioOne.GetCheck(), BST_CHECKED);
  EXPECT_EQ(dialog.radioThree.GetCheck(), BST_UNCHECKED);
  // The next group (the icon radio button) is not touched.
  dialog.iconRadio.SetCheck(BST_CHECKED);
  PumpMessages(20ms);
  Click(dialog.radioTwo);
  PumpMessages(20ms);
  EXPECT_EQ(dialog.iconRadio.GetCheck(), BST_CHECKED);
  EXPECT_EQ(dialog.radioOne.GetCheck(), BST_UNCHECKED);
}

TEST_F(SkinnedButtons, TheRestOfTheGroupIsClearedBeforeTheNextQueuedMessage) {
  dialog.radioOne.SetCheck(BST_CHECKED);
  PumpMessages(20ms);
  // A click and an OK queued right behind it: the OK must find only the clicked button checked.
  dialog.radioThree.SetCheck(BST_CHECKED);
  EXPECT_EQ(dialog.radioOne.GetCheck(), BST_UNCHECKED);
  EXPECT_EQ(dialog.radioThree.GetCheck(), BST_CHECKED);
}

TEST_F(SkinnedButtons, UncheckingARadioButtonClearsNothingElse) {
  dialog.radioOne.SetCheck(BST_CHECKED);
  dialog.radioTwo.SetCheck(BST_UNCHECKED);
  PumpMessages(20ms);
  EXPECT_EQ(dialog.radioOne.GetCheck(), BST_CHECKED);
}

TEST_F(SkinnedButtons, AHiddenRadioButtonStillClearsItsGroupAndTheWalkEnds) {
  dialog.radioTwo.SetCheck(BST_CHECKED);
  dialog.radioOne.ShowWindow(SW_HIDE);
  dialog.radioOne.SetCheck(BST_CHECKED);  // the group walk never comes back to a hidden button
  PumpMessages(20ms);
  EXPECT_EQ(dialog.radioTwo.GetCheck(), BST_UNCHECKED);
}

TEST_F(SkinnedButtons, RadioClickReleasedElsewhereDoesNotCheck) {
  Press(dialog.radioTwo, 5, 5, 5, -40);
  EXPECT_EQ(dialog.radioTwo.GetCheck(), BST_UNCHECKED);
}

TEST_F(SkinnedButtons, DoubleClickActsAsOnePress) {
  const CWnd& push = dialog.push;
  Press(push, 5, 5, 5, 5);
  Press(push, 5, 5, 5, 5, WM_LBUTTONDBLCLK);
  PumpMessages(20ms);
  EXPECT_EQ(dialog.Commands(skin_test::kPush), 2);

  Press(dialog.check, 5, 5, 5, 5);
  Press(dialog.check, 5, 5, 5, 5, WM_LBUTTONDBLCLK);
  EXPECT_EQ(dialog.check.GetCheck(), BST_UNCHECKED);  // toggled twice
  Press(dialog.iconRadio, 5, 5, 5, 5, WM_LBUTTONDBLCLK);
  EXPECT_EQ(dialog.iconRadio.GetCheck(), BST_CHECKED);
}

TEST_F(SkinnedButtons, AutoRepeatSendsACommandEvery100MsWhileHeldAndOneOnRelease) {
  const CWnd& repeat = dialog.repeat;
  repeat.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  auto start = std::chrono::steady_clock::now();
  PumpMessages(1000ms);
  auto held = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
  int whileHeld = dialog.Commands(skin_test::kRepeat);
  repeat.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  PumpMessages(300ms);
  // Timers are coarse on a loaded machine: about one command per 100 ms, never more.
  int expected = static_cast<int>(held.count() / 100);
  EXPECT_LE(whileHeld, expected + 1);
  EXPECT_GE(whileHeld, expected / 2);
  EXPECT_EQ(dialog.Commands(skin_test::kRepeat), whileHeld + 1);
  EXPECT_NE(GetCapture(), repeat.GetSafeHwnd());
}

TEST_F(SkinnedButtons, HidingARepeatingButtonEndsTheRepeat) {
  dialog.repeat.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PumpMessages(250ms);
  dialog.repeat.ShowButton(false);
  int atHide = dialog.Commands(skin_test::kRepeat);
  PumpMessages(300ms);
  EXPECT_EQ(dialog.Commands(skin_test::kRepeat), atHide);
  EXPECT_NE(GetCapture(), dialog.repeat.GetSafeHwnd());
}

TEST_F(SkinnedButtons, HoverShowsAFreshTooltipWithTheStoredText) {
  // No tooltip window before the pointer rests on the button; the text is kept for it.
  EXPECT_EQ(dialog.push.ToolTip(), nullptr);
  EXPECT_EQ(dialog.push.ToolTipText(), L"Push");
  dialog.push.SendMessage(WM_MOUSEHOVER, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(dialog.push.IsHovered());
  ASSERT_NE(dialog.push.ToolTip(), nullptr);
  HWND first = dialog.push.ToolTip()->GetSafeHwnd();
  EXPECT_EQ(dialog.push.ToolTip()->GetToolCount(), 1);
  EXPECT_EQ(dialog.push.ToolTip()->GetFirstToolText(), L"Push");
  dialog.push.SendMessage(WM_MOUSELEAVE);
  EXPECT_FALSE(dialog.push.IsHovered());

  // A text set while the tooltip is up goes into it; the next hover brings a fresh one with it.
  dialog.push.SetToolTipText(std::wstring(L"Pushed"));
  EXPECT_EQ(dialog.push.ToolTip()->GetFirstToolText(), L"Pushed");
  dialog.push.SendMessage(WM_MOUSEHOVER, 0, MAKELPARAM(5, 5));
  ASSERT_NE(dialog.push.ToolTip(), nullptr);
  EXPECT_NE(dialog.push.ToolTip()->GetSafeHwnd(), first);
  EXPECT_FALSE(IsWindow(first));
  EXPECT_EQ(dialog.push.ToolTip()->GetToolCount(), 1);
  EXPECT_EQ(dialog.push.ToolTip()->GetFirstToolText(), L"Pushed");
  // An empty text changes nothing.
  dialog.push.SetToolTipText(std::wstring());
  EXPECT_EQ(dialog.push.ToolTipText(), L"Pushed");
}
