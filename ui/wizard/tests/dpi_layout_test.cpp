// The wizard started at the process's DPI (the test runs again in prefixes of 120, 144 and 192
// DPI): the frame's size and every shown control's rectangle, the frame's and each page's, are
// those of their tables at that scale, every shown control is in view, and in each interface
// language every label of the frame and of every page holds its text whole there and, started at
// 96 DPI, on a screen of twice that.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <vector>

#include "framework/dpi.h"
#include "framework/tests/support/ui_test_support.h"
#include "i18n/win/win_language.h"
#include "net/answer_records.h"
#include "net/win/network_drives.h"
#include "res/resource.h"
#include "ui/common/tests/support/dpi_checks.h"
#include "ui/wizard/tests/support/recorded_drive_connections.h"
#include "ui/wizard/tests/support/wizard_page_fixture.h"
#include "ui/wizard/wizard_runner.h"

namespace {
constexpr SIZE kWizardSize96{774, 506};

// An administrator's wizard with every page, in the language of the test's parameter.
class WizardDpiLayout : public WizardPageFixture, public ::testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    SetLanguage(GetParam());
    SetDriveConnections(&drives);
    WizardInfo() = WizardInfoRecord{};
    shown.AddTo(frame, /*administrator=*/true);
    ASSERT_TRUE(frame.Create());
    frame.ShowWindow(SW_SHOWNOACTIVATE);
  }
  void TearDown() override {
    WizardPageFixture::TearDown();
    SetDriveConnections(nullptr);
    SetLanguage(-1);  // none again, as the other tests expect: the texts as written
  }
  // Shows each page in turn and calls `look` with it. The network page is answered with a static
  // address, so that it shows all of its fields and labels.
  template <typename Look>
  void OnEveryPage(Look look) {
    for (CWizardPage* page : pages) {
      ASSERT_TRUE(frame.GoToPage(page->PageName()));
      if (page == &shown.network) AnswerWithAStaticAddress();
      look(*page);
    }
  }
  void AnswerWithAStaticAddress() {
    WizardInfoRecord& info = WizardInfo();
    info.dhcpFlag = 0;
    strcpy(info.lan.address, "192.0.2.10");
    strcpy(info.lan.mask, "255.255.255.0");
    strcpy(info.lan.gateway, "192.0.2.1");
    strcpy(info.dns1, "198.51.100.53");
    door.PostCgiDone(door.Last(kGetWizardInfo), true);
    PumpMessages(std::chrono::milliseconds(30));
  }

  WizardPages shown;
  const std::array<CWizardPage*, 6> pages{&shown.password, &shown.identity, &shown.zone,
                                          &shown.network,  &shown.volumes,  &shown.mapping};
  RecordedDriveConnections drives;
};

TEST_P(WizardDpiLayout, TheWizardAndEveryPageStartAtTheScaleAndKeepEveryTextWhole) {
  const HWND wizard = frame.GetSafeHwnd();
  const WindowPlacement frameAtStart = PlacementOf(wizard);
  ExpectSizedAtDpi(frameAtStart, kWizardSize96);
  EXPECT_TRUE(PlacedAtDpi(PlaceIn(wizard, IDC_WIZARD_NEXT), {392, 435, 502, 469}, frameAtStart.dpi));
  CutTexts cut;
  std::vector<WindowPlacement> pagesAtStart;
  AtItsScaleAndTwiceWithinTheSkin(wizard, kWizardSize96, [&] {
    cut.Look(wizard, GetParam());
    OnEveryPage([&](CWizardPage& page) {
      if (WindowDpi(wizard) == frameAtStart.dpi) {
        EXPECT_TRUE(PlacedAtDpi(PlaceIn(wizard, page.GetSafeHwnd()), kWizardPageArea, frameAtStart.dpi));
        pagesAtStart.push_back(PlacementOf(page.GetSafeHwnd()));
      }
      cut.Look(page.GetSafeHwnd(), GetParam());
      ExpectEveryShownControlSeen(page.GetSafeHwnd(), "wizard page");
    });
  });
  cut.ExpectNone("wizard");

  // Back on a screen of 96 DPI the wizard shows its tables as written: what it started with is
  // that, control by control, at the start's scale. The places do not depend on the language:
  // they are compared in English only, which keeps the runs at every DPI short.
  if (GetParam() != kEnglishLanguage) return;
  MoveToScreenOf(wizard, kBaseDpi, kWizardSize96);
  size_t index = 0;
  OnEveryPage([&](CWizardPage& page) { ExpectScaled(PlacementOf(page.GetSafeHwnd()), pagesAtStart[index++]); });
  ASSERT_TRUE(frame.GoToPage(shown.password.PageName()));  // the frame as it started: on the first page
  ExpectScaled(PlacementOf(wizard), frameAtStart);
}

INSTANTIATE_TEST_SUITE_P(, WizardDpiLayout, ::testing::ValuesIn(kInterfaceLanguages));
}  // namespace
