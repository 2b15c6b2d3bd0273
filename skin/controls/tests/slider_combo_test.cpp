// The slider gauge and the combo box in a real dialog: positions from the mouse and the wheel with
// the scroll messages to the parent, the combo box's selection field at every scale, and a label's
// word on whether its text fits.
#include <gtest/gtest.h>

#include "controls_test_dialog.h"
#include "framework/dpi.h"
#include "framework/tests/support/ui_test_support.h"

using namespace std::chrono_literals;
using namespace controls_test;

namespace {
class SliderGauge : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dialog.Open());
    dialog.slider.SetRange(0, 120);
    dialog.slider.SetPos(0);
    channel = dialog.slider.GetChannelRect();
  }
  // A point on the channel, `share` of the way down. The real cursor is put there too: the system
  // tells a window that holds the capture where the cursor is, and a cursor left elsewhere by an
  // earlier test would drag the gauge there.
  LPARAM At(double share) const {
    int length = channel.bottom - channel.top;
    POINT point{6, channel.top + static_cast<int>(share * length)};
    POINT screen = point;
    ClientToScreen(dialog.slider.GetSafeHwnd(), &screen);
    SetCursorPos(screen.x, screen.y);
    return MAKELPARAM(point.x, point.y);
  }
  std::vector<Received> Scrolls() {
    PumpMessages(20ms);
    std::vector<Received> scrolls;
    for (const Received& entry : dialog.received) {
      if (entry.message == WM_VSCROLL) scrolls.push_back(entry);
    }
    dialog.received.clear();
    return scrolls;
  }

  CControlsTestDialog dialog;
  RECT channel{};
};
}  // namespace

TEST_F(SliderGauge, PressAndDragSetThePositionAndTellTheParent) {
  dialog.slider.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(1.0));
  EXPECT_EQ(dialog.slider.GetPos(), 120);
  EXPECT_EQ(GetCapture(), dialog.slider.GetSafeHwnd());
  std::vector<Received> scrolls = Scrolls();
  ASSERT_EQ(scrolls.size(), 1u);
  EXPECT_EQ(scrolls[0].wParam, MAKEWPARAM(SB_THUMBTRACK, 120));
  EXPECT_EQ(scrolls[0].lParam, reinterpret_cast<LPARAM>(dialog.slider.GetSafeHwnd()));

  dialog.slider.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(0.5));
  EXPECT_EQ(dialog.slider.GetPos(), 60);
  dialog.slider.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(0.5));  // no change, no message
  scrolls = Scrolls();
  ASSERT_EQ(scrolls.size(), 1u);
  EXPECT_EQ(HIWORD(scrolls[0].wParam), 60);

  dialog.slider.SendMessage(WM_LBUTTONUP, 0, At(0.5));
  EXPECT_NE(GetCapture(), dialog.slider.GetSafeHwnd());
  scrolls = Scrolls();
  ASSERT_EQ(scrolls.size(), 1u);  // the drag changed it: the final position
  EXPECT_EQ(scrolls[0].wParam, MAKEWPARAM(SB_THUMBPOSITION, 60));

  // A click that changes nothing tells nothing; moving without the button pressed does nothing.
  dialog.slider.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(0.5));
  dialog.slider.SendMessage(WM_LBUTTONUP, 0, At(0.5));
  dialog.slider.SendMessage(WM_MOUSEMOVE, 0, At(0.0));
  EXPECT_TRUE(Scrolls().empty());
  EXPECT_EQ(dialog.slider.GetPos(), 60);
  // Beyond the ends of the channel the position stops at the range's ends.
  dialog.slider.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(6, -50));
  dialog.slider.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(6, -50));
  EXPECT_EQ(dialog.slider.GetPos(), 0);
}

TEST_F(SliderGauge, TheWheelStepsByOneWithinTheRange) {
  dialog.slider.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  EXPECT_EQ(dialog.slider.GetPos(), 1);
  // Sent, not posted: the parent has it at once.
  ASSERT_EQ(dialog.Count(WM_VSCROLL), 1);
  EXPECT_EQ(dialog.received.back().wParam, MAKEWPARAM(SB_LINEDOWN, 1));
  dialog.slider.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  dialog.slider.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  EXPECT_EQ(dialog.slider.GetPos(), 0);
  EXPECT_EQ(dialog.received.back().wParam, MAKEWPARAM(SB_LINEUP, 0));
  dialog.slider.SetPos(120);
  dialog.slider.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  EXPECT_EQ(dialog.slider.GetPos(), 120);
}

TEST(SkinnedComboBox, SelectionFieldIs24PixelsAndTheFaceReloads) {
  CControlsTestDialog dialog;
  ASSERT_TRUE(dialog.Open());
  // Wine reports the field 2 pixels taller than it was set.
  LRESULT field = dialog.combo.SendMessage(CB_GETITEMHEIGHT, static_cast<WPARAM>(-1));
  EXPECT_TRUE(field == 24 || field == 26) << field;
  EXPECT_TRUE(dialog.combo.LoadFaceImage(kRed));
  EXPECT_FALSE(dialog.combo.LoadFaceImage(4242));
}

TEST(SkinnedComboBox, TheClosedBoxScalesAsAWholeOnAScreenOfAnotherScale) {
  CControlsTestDialog dialog;
  ASSERT_TRUE(dialog.Open());
  const UINT dpi = WindowDpi(dialog.GetSafeHwnd()) * 2;
  RECT suggested = dialog.GetWindowRect();
  suggested.right = suggested.left + ScaleToDpi(kClientWidth, dpi);
  suggested.bottom = suggested.top + ScaleToDpi(kClientHeight, dpi);
  dialog.SendMessage(kDpiChangedMessage, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
  // 30 pixels at 96 DPI: the field's 24 and the frame around it, the face's height.
  EXPECT_NEAR(RectHeight(dialog.combo.GetWindowRect()), ScaleToDpi(30, dpi), 1);
}

// A label tells whether its text fits it: the checks of every window's texts at every scale rest on it.
TEST(SkinnedLabel, TellsWhetherItsTextFitsOnOneLineOrWrappedInItsHeight) {
  CControlsTestDialog dialog;
  ASSERT_TRUE(dialog.Open());
  CTransStatic& label = dialog.text;  // 300 x 25 at 96 DPI
  label.SetFormat(DT_SINGLELINE | DT_VCENTER);
  label.SetText(L"Subnet Mask");
  EXPECT_TRUE(label.TextFits());
  label.SetText(L"Subnet Mask Subnet Mask Subnet Mask Subnet Mask Subnet Mask");
  EXPECT_FALSE(label.TextFits());
  label.SetFormat(CTransStatic::kDefaultFormat);  // wrapped: one line fits the height, three do not
  EXPECT_FALSE(label.TextFits());
  label.SetText(L"Subnet Mask Subnet Mask");
  EXPECT_TRUE(label.TextFits());
}
