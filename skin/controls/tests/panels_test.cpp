// The share list and volume panels in a real dialog: the folder limit and names, the scroll bar
// from the fifth folder, selection by press and release at one point, double clicks, scrolling,
// and the volume texts.
#include <gtest/gtest.h>

#include "base/messages.h"
#include "controls_test_dialog.h"
#include "framework/tests/support/ui_test_support.h"

using namespace std::chrono_literals;
using namespace controls_test;

namespace {
class Panels : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dialog.Open()); }

  CFolderListCtrl& Folders() const { return dialog.Folders(); }
  void AddFolders(int count) const {
    for (int index = 0; index < count; ++index) Folders().AddFolder((L"Share " + std::to_wstring(index)).c_str());
  }
  void Mouse(UINT message, int x, int y) const { Folders().SendMessage(message, MK_LBUTTON, MAKELPARAM(x, y)); }

  CControlsTestDialog dialog;
};
}  // namespace

TEST_F(Panels, TheFolderListKeeps26FoldersAndShortensLongNames) {
  Folders().AddFolder(nullptr);
  EXPECT_TRUE(Folders().Items().empty());
  Folders().AddFolder(L"ThirteenChars");
  Folders().AddFolder(L"FourteenChars!");
  EXPECT_EQ(Folders().Items()[0].displayText, L"ThirteenChars");
  EXPECT_EQ(Folders().Items()[1].displayText, L"FourteenC....");
  AddFolders(30);
  ASSERT_EQ(Folders().Items().size(), 26u);
  EXPECT_EQ(Folders().Items()[25].cell, (CellRect{130, 817, 246, 933}));
}

TEST_F(Panels, TheScrollBarShowsFromTheFifthFolder) {
  CGdipSlider& bar = Folders().ScrollBar();
  EXPECT_FALSE(bar.IsWindowVisible());
  AddFolders(4);
  EXPECT_FALSE(bar.IsWindowVisible());
  AddFolders(1);
  EXPECT_TRUE(bar.IsWindowVisible());
  EXPECT_EQ(bar.GetRangeMin(), 0);
  EXPECT_EQ(bar.GetRangeMax(), 130 + 37 + 116 - 163);
  EXPECT_EQ(bar.GetPos(), 0);
  RECT place = bar.GetWindowRect();
  POINT corner{place.left, place.top};
  ScreenToClient(Folders().GetSafeHwnd(), &corner);
  EXPECT_EQ(corner.x, 506);
  EXPECT_EQ(corner.y, 0);
  EXPECT_EQ(place.right - place.left, 13);
  EXPECT_EQ(place.bottom - place.top, 200);

  // Scrolling moves the rows: a click lands on the folder under the point once shifted.
  bar.SetPos(100);
  Folders().SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 100), reinterpret_cast<LPARAM>(bar.GetSafeHwnd()));
  EXPECT_EQ(Folders().ScrollY(), 100);
  Mouse(WM_LBUTTONDOWN, 50, 100);
  Mouse(WM_LBUTTONUP, 50, 100);
  EXPECT_EQ(Folders().Selected(), 4);  // y 200 in the rows: the second row

  Folders().ClearFolders();
  EXPECT_FALSE(bar.IsWindowVisible());
  EXPECT_EQ(Folders().ScrollY(), 0);
  EXPECT_EQ(Folders().Selected(), 4);  // the index stays
}

TEST_F(Panels, AClickSelectsOnlyWhenPressedAndReleasedAtOnePoint) {
  AddFolders(3);
  Mouse(WM_LBUTTONDOWN, 140, 60);
  Mouse(WM_LBUTTONUP, 140, 60);
  EXPECT_EQ(Folders().Selected(), 1);
  Mouse(WM_LBUTTONDOWN, 10, 60);   // on the first
  Mouse(WM_LBUTTONUP, 270, 60);    // released on the third
  EXPECT_EQ(Folders().Selected(), 1);
  Mouse(WM_LBUTTONDOWN, 120, 60);  // between two cells
  Mouse(WM_LBUTTONUP, 120, 60);
  EXPECT_EQ(Folders().Selected(), 1);
}

TEST_F(Panels, ADoubleClickOnAFolderAsksToOpenItAndOnEmptySpaceNothing) {
  AddFolders(3);
  Mouse(WM_LBUTTONDBLCLK, 120, 60);  // between cells
  Mouse(WM_LBUTTONDBLCLK, 50, 180);  // below the row
  PumpMessages(20ms);
  EXPECT_EQ(dialog.Count(WM_FOLDER_OPEN), 0);
  Mouse(WM_LBUTTONDBLCLK, 300, 100);
  ASSERT_TRUE(PumpUntil([&] { return dialog.Count(WM_FOLDER_OPEN) == 1; }, 1000ms));
  EXPECT_EQ(dialog.received.back().wParam, 2u);
  EXPECT_EQ(dialog.received.back().lParam, 0);
  EXPECT_EQ(Folders().Selected(), 2);
}

TEST_F(Panels, TheVolumePanelShowsSizesAndThePercentage) {
  CVolumeInfoCtrl& volume = dialog.Volume();
  EXPECT_FALSE(volume.HasData());
  EXPECT_EQ(volume.UsageBar().GetPos(), 50);
  struct Case {
    std::int64_t used, total;
    const wchar_t* sizes;
    const wchar_t* percent;
  } cases[] = {{30, 100, L"30G Used/100G Available", L"30%"},
               {1, 3, L"1G Used/3G Available", L"33%"},
               {2, 3, L"2G Used/3G Available", L"67%"},
               {0, 0, L"0G Used/0G Available", L"0%"},
               {2048, 4096, L"2048G Used/4096G Available", L"50%"}};  // a 4 TiB volume
  for (const Case& entry : cases) {
    volume.SetVolumeInfo(entry.total, L"Volume_1", entry.used);
    EXPECT_TRUE(volume.HasData());
    EXPECT_EQ(volume.NameText().GetWindowText(), L"Volume_1");
    EXPECT_EQ(volume.SizeText().GetWindowText(), entry.sizes);
    EXPECT_EQ(volume.PercentText().GetWindowText(), entry.percent);
    EXPECT_EQ(std::to_wstring(volume.UsageBar().GetPos()) + L"%", entry.percent);
  }
  volume.ClearVolumeInfo();
  EXPECT_FALSE(volume.HasData());
  EXPECT_EQ(volume.SizeText().GetWindowText(), L"");
  PBRANGE range = volume.UsageBar().GetRange();
  EXPECT_EQ(range.iLow, 0);
  EXPECT_EQ(range.iHigh, 100);
}

TEST_F(Panels, EverySkinnedControlMarksItsWindow) {
  for (UINT id : {kCombo, kList, kSlider, kAddress, kFolders, kVolume, kProgress, kText, kPicture}) {
    HWND control = dialog.GetDlgItem(static_cast<int>(id));
    EXPECT_EQ(GetPropW(control, L"###restoreparentdc_tag###"), control) << id;
  }
  HWND header = dialog.list.Header().GetSafeHwnd();
  EXPECT_EQ(GetPropW(header, L"###restoreparentdc_tag###"), header);
}
