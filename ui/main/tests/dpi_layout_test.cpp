// The main window started at the process's DPI (the test runs again in prefixes of 120, 144 and
// 192 DPI): its size and every shown control's rectangle, its own and the popup's, are those of
// its table at that scale, and in each interface language every label holds its text whole there
// and, started at 96 DPI, on a screen of twice that.
#include <gtest/gtest.h>

#include "framework/dpi.h"
#include "res/resource.h"
#include "ui/common/tests/support/dpi_checks.h"
#include "ui/main/tests/main_window_fixture.h"

namespace {
constexpr SIZE kMainSize96{900, 600};

class MainWindowDpiLayout : public MainWindowTest, public ::testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    SetLanguage(GetParam());
    MainWindowTest::SetUp();
  }
  void TearDown() override {
    MainWindowTest::TearDown();
    SetLanguage(-1);  // none again, as the other tests expect: the texts as written
  }
  HWND Popup() const { return FindWindowExW(window.GetSafeHwnd(), nullptr, L"#32770", nullptr); }
};

TEST_P(MainWindowDpiLayout, TheMainWindowAndItsPopupStartAtTheScaleAndKeepEveryTextWhole) {
  LogInAsAdministrator();
  FinishVolumeStatus({{1, 8 << 20, 4 << 20, nullptr}});
  const HWND main = window.GetSafeHwnd();
  const HWND popup = Popup();
  ASSERT_NE(popup, nullptr);
  const WindowPlacement mainAtStart = PlacementOf(main);
  const WindowPlacement popupAtStart = PlacementOf(popup);
  ExpectSizedAtDpi(mainAtStart, kMainSize96);
  EXPECT_TRUE(PlacedAtDpi(PlaceIn(main, IDC_CONNECT), {32, 172, 142, 206}, mainAtStart.dpi));
  EXPECT_TRUE(PlacedAtDpi(PlaceIn(popup, IDC_INFO_NAME), {30, 15, 551, 41}, mainAtStart.dpi));

  CutTexts cut;
  AtItsScaleAndTwiceWithinTheSkin(main, kMainSize96, [&] {
    cut.Look(main, GetParam());
    cut.Look(popup, GetParam());
    ExpectEveryShownControlSeen(main, "main window");
    ExpectEveryShownControlSeen(popup, "information popup");
  });
  cut.ExpectNone("main window");

  // Back on a screen of 96 DPI the window shows its table as written: what it started with is
  // that, control by control, at the start's scale. The places do not depend on the language:
  // they are compared in English only, which keeps the runs at every DPI short.
  if (GetParam() != kEnglishLanguage) return;
  MoveToScreenOf(main, kBaseDpi, kMainSize96);
  ExpectScaled(PlacementOf(main), mainAtStart);
  ExpectScaled(PlacementOf(popup), popupAtStart);
}

INSTANTIATE_TEST_SUITE_P(, MainWindowDpiLayout, ::testing::ValuesIn(kInterfaceLanguages));
}  // namespace
