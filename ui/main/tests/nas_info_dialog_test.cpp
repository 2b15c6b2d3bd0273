// The device information popup inside a skinned stand-in for the main window: its lines, the
// volume panels (at most four), the switch between the volume and the share view, the folder
// message passed on, Enter and Escape, its layout and its veiled background.
#include <gtest/gtest.h>

#include <vector>

#include "base/messages.h"
#include "i18n/current_language.h"
#include "res/resource.h"
#include "skin/gdip_dialog.h"
#include "framework/tests/support/ui_test_support.h"
#include "ui/main/nas_info_dialog.h"

using namespace std::chrono_literals;

namespace {
constexpr UINT kHolderTemplate = 9400;

// The main window's part: the skin's background, and a record of the folders asked to open.
class CHolderDialog : public CGdipDialog {
 public:
  CHolderDialog() : CGdipDialog(kHolderTemplate) {}
  std::vector<WPARAM> opened;

 protected:
  BOOL OnInitDialog() override {
    SetWindowPos(GetSafeHwnd(), nullptr, 0, 0, 900, 600, SWP_NOZORDER | SWP_NOACTIVATE);
    SetBackgroundImage(IDB_MAIN_BACKGROUND);
    return FALSE;
  }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_FOLDER_OPEN) opened.push_back(wParam);
    return CGdipDialog::WindowProc(message, wParam, lParam);
  }
};

class InfoPopup : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(holder.Create());
    holder.ShowWindow(SW_SHOWNOACTIVATE);
    popup.SetDeviceLines(L"NAS-01", L"192.0.2.10", L"255.255.255.0", L"192.0.2.1");
    popup.SetParentWindow(holder.GetSafeHwnd());
    ASSERT_TRUE(popup.Create());
    popup.ShowWindow(SW_SHOWNOACTIVATE);
  }
  void TearDown() override { SetLanguage(-1); }

  std::vector<int> VisiblePanels() const {
    std::vector<int> visible;
    for (int slot = 0; slot < CNASInfoDialog::kVolumeSlots; ++slot) {
      if (popup.VolumePanel(slot)->IsWindowVisible()) visible.push_back(slot);
    }
    return visible;
  }
  RECT PlaceOf(int id) const {
    RECT place{};
    ::GetWindowRect(popup.GetDlgItem(id), &place);
    MapWindowPoints(nullptr, popup.GetSafeHwnd(), reinterpret_cast<POINT*>(&place), 2);
    return place;
  }
  static bool Equal(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
  }

  CHolderDialog holder;
  CNASInfoDialog popup{nullptr};
};
}  // namespace

TEST_F(InfoPopup, LinesStoredBeforeTheWindowAreShownAndTheAddressIsNeverTranslated) {
  EXPECT_EQ(CWnd::FromHandle(popup.GetDlgItem(IDC_INFO_NAME))->GetWindowText(), L"NAS-01");
  EXPECT_EQ(CWnd::FromHandle(popup.GetDlgItem(IDC_INFO_ADDRESS))->GetWindowText(), L"IP:192.0.2.10");
  EXPECT_EQ(CWnd::FromHandle(popup.GetDlgItem(IDC_INFO_MASK))->GetWindowText(), L"Mask:255.255.255.0");
  EXPECT_EQ(CWnd::FromHandle(popup.GetDlgItem(IDC_INFO_GATEWAY))->GetWindowText(), L"Gateway:192.0.2.1");

  ASSERT_TRUE(SetLanguage(kTraditionalChineseLanguage));
  popup.SetDeviceLines(L"NAS-02", L"198.51.100.7", L"255.255.0.0", L"198.51.100.1");
  EXPECT_EQ(CWnd::FromHandle(popup.GetDlgItem(IDC_INFO_ADDRESS))->GetWindowText(), L"IP:198.51.100.7");
  EXPECT_EQ(popup.Line(2), L"\u5B50\u7DB2\u8DEF\u906E\u7F69\uFF1A255.255.0.0");
  EXPECT_EQ(popup.Line(3), L"\u9598\u9053\uFF1A198.51.100.1");
}

TEST_F(InfoPopup, WithoutVolumesOnlyTheLinesShow) {
  popup.ResetVolumes();
  EXPECT_TRUE(VisiblePanels().empty());
  EXPECT_FALSE(popup.ShareList()->IsWindowVisible());
  EXPECT_TRUE(IsWindowVisible(popup.GetDlgItem(IDC_INFO_NAME)));
}

TEST_F(InfoPopup, FiveVolumesFillFourPanels) {
  popup.ResetVolumes();
  for (int volume = 1; volume <= 5; ++volume) {
    popup.AddVolume(volume * 10, 100, L"Volume_" + std::to_wstring(volume));
  }
  EXPECT_EQ(popup.VolumeCount(), 4);
  EXPECT_EQ(VisiblePanels(), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(popup.VolumePanel(3)->NameText().GetWindowText(), L"Volume_4");
  EXPECT_EQ(popup.VolumePanel(3)->SizeText().GetWindowText(), L"40G Used/100G Available");
  EXPECT_EQ(popup.VolumePanel(0)->PercentText().GetWindowText(), L"10%");

  popup.ResetVolumes();
  EXPECT_TRUE(VisiblePanels().empty());
  EXPECT_FALSE(popup.VolumePanel(0)->HasData());
  EXPECT_EQ(popup.VolumePanel(0)->NameText().GetWindowText(), L"");
}

TEST_F(InfoPopup, SwitchingViewsBackAndForthShowsExactlyThePanelsWithData) {
  popup.ResetVolumes();
  popup.AddVolume(30, 100, L"Volume_1");
  popup.AddVolume(0, 0, L"Volume_2");
  for (int round = 0; round < 2; ++round) {
    popup.ShowShareView();
    EXPECT_TRUE(VisiblePanels().empty());
    EXPECT_TRUE(popup.ShareList()->IsWindowVisible());
    popup.ShowVolumeView();
    EXPECT_EQ(VisiblePanels(), (std::vector<int>{0, 1}));
    EXPECT_FALSE(popup.ShareList()->IsWindowVisible());
  }
  // A volume that arrives in the share view waits for the volume view.
  popup.ShowShareView();
  popup.AddVolume(5, 10, L"Volume_3");
  EXPECT_TRUE(VisiblePanels().empty());
  popup.ShowVolumeView();
  EXPECT_EQ(VisiblePanels(), (std::vector<int>{0, 1, 2}));
}

TEST_F(InfoPopup, AFolderDoubleClickedInTheShareListIsPassedToTheMainWindow) {
  popup.ShowShareView();
  popup.ShareList()->AddFolder(L"Public");
  popup.ShareList()->AddFolder(L"Music");
  popup.ShareList()->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(180, 90));
  ASSERT_TRUE(PumpUntil([&] { return !holder.opened.empty(); }, 1000ms));
  EXPECT_EQ(holder.opened, (std::vector<WPARAM>{1}));
}

TEST_F(InfoPopup, EnterAndEscapeLeaveThePanelOpen) {
  popup.SendMessage(WM_COMMAND, IDOK, 0);
  popup.SendMessage(WM_COMMAND, IDCANCEL, 0);
  PumpMessages(20ms);
  ASSERT_TRUE(IsWindow(popup.GetSafeHwnd()));
  EXPECT_TRUE(popup.IsWindowVisible());
}

TEST_F(InfoPopup, LayoutIsFixedAndThePanelIsCentredInTheMainWindow) {
  RECT window = popup.GetWindowRect();
  EXPECT_EQ(window.right - window.left, 581);
  EXPECT_EQ(window.bottom - window.top, 358);
  POINT corner{window.left, window.top};
  ScreenToClient(holder.GetSafeHwnd(), &corner);
  EXPECT_EQ(corner.x, (900 - 581) / 2);
  EXPECT_EQ(corner.y, (600 - 358) / 2);
  EXPECT_TRUE(Equal(PlaceOf(IDC_INFO_SHARE_LIST), RECT{31, 135, 550, 335}));
  EXPECT_TRUE(Equal(PlaceOf(IDC_INFO_VOLUME_0), RECT{31, 135, 550, 185}));
  EXPECT_TRUE(Equal(PlaceOf(IDC_INFO_VOLUME_1), RECT{31, 185, 550, 235}));
  EXPECT_TRUE(Equal(PlaceOf(IDC_INFO_VOLUME_3), RECT{31, 285, 550, 335}));
  EXPECT_TRUE(Equal(PlaceOf(IDC_INFO_NAME), RECT{30, 15, 551, 41}));
  // Clipped to its rounded outline: the corner is outside, the middle of an edge inside.
  RegionHandle outline(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(popup.GetSafeHwnd(), outline.Get()), ERROR);
  EXPECT_FALSE(PtInRegion(outline.Get(), 1, 1));
  EXPECT_TRUE(PtInRegion(outline.Get(), 290, 2));
}

TEST_F(InfoPopup, TheBackgroundIsTheMainWindowsVeiledInWhiteWithTheSeparator) {
  popup.UpdateWindow();
  PixelCanvas shown(581, 358);
  shown.CaptureClient(popup.GetSafeHwnd());
  PixelCanvas under(900, 600);
  BitBlt(under.Dc(), 0, 0, 900, 600, holder.BackgroundDC(), 0, 0, SRCCOPY);
  POINT origin{0, 0};
  MapWindowPoints(popup.GetSafeHwnd(), holder.GetSafeHwnd(), &origin, 1);
  for (POINT point : {POINT{100, 130}, POINT{560, 345}, POINT{15, 200}}) {
    COLORREF below = under.Pixel(origin.x + point.x, origin.y + point.y);
    auto veiled = [](int channel) { return channel + (255 - channel) * 20 / 255; };
    COLORREF expected = RGB(veiled(GetRValue(below)), veiled(GetGValue(below)), veiled(GetBValue(below)));
    EXPECT_TRUE(ColourNear(shown.Pixel(point.x, point.y), expected, 3))
        << point.x << "," << point.y << " " << std::hex << shown.Pixel(point.x, point.y) << " " << expected;
  }
  EXPECT_EQ(shown.Pixel(187, 46), RGB(255, 255, 255));
  EXPECT_EQ(shown.Pixel(391, 47), RGB(255, 255, 255));
  EXPECT_NE(shown.Pixel(300, 48), RGB(255, 255, 255));
  EXPECT_NE(shown.Pixel(186, 46), RGB(255, 255, 255));
}
