#include "ui/wizard/time_zone_page.h"

#include "base/messages.h"
#include "base/win/ansi_text.h"
#include "i18n/win/win_language.h"
#include "net/answer_records.h"
#include "res/resource.h"
#include "framework/message_box.h"
#include "ui/network/network_door.h"
#include "rules/time_zones.h"

namespace {
constexpr ControlPlacement kLayout[] = {
    {IDC_TIME_ZONE_LIST, {0, 29, 517, 187}},
    {IDC_TIME_ZONE_UP, {238, 0, 258, 14}},
    {IDC_TIME_ZONE_DOWN, {238, 202, 258, 216}},
};
constexpr int kLocationWidth = 400;
constexpr int kOffsetWidth = 80;
constexpr int kLocationFontHeight = 18;
constexpr int kOffsetFontHeight = 14;
constexpr COLORREF kLocationColour = RGB(255, 255, 255);
constexpr COLORREF kOffsetColour = RGB(170, 170, 170);
}  // namespace

void HideVerticalScrollBar(HWND list) {
  RECT window{};
  ::GetWindowRect(list, &window);
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  // The bar's width at the list's DPI, or more: a list widened further loses nothing behind the clip.
  const int bar = ScaleToDpi(::GetSystemMetrics(SM_CXVSCROLL), WindowDpi(list));
  ::SetWindowPos(list, nullptr, 0, 0, width + bar, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ::SetWindowRgn(list, ::CreateRectRgn(0, 0, width - 2, height), TRUE);
}

CTimeZonePage::CTimeZonePage() : CWizardPage(IDD_WIZARD_TIME_ZONE, kLayout) {}
CTimeZonePage::~CTimeZonePage() = default;

void CTimeZonePage::SetUpControls() {
  list_.SubclassDlgItem(IDC_TIME_ZONE_LIST, GetSafeHwnd());
  struct Arrow {
    CGdipButton& button;
    int id;
    UINT image;
    const wchar_t* tip;
  };
  for (const Arrow& arrow : {Arrow{up_, IDC_TIME_ZONE_UP, IDB_ARROW_UP, L"Up"},
                             Arrow{down_, IDC_TIME_ZONE_DOWN, IDB_ARROW_DOWN, L"Down"}}) {
    arrow.button.SubclassDlgItem(arrow.id, GetSafeHwnd());
    arrow.button.LoadImages(arrow.image, arrow.image, arrow.image);
    arrow.button.SetToolTipText(Tr(arrow.tip));
    arrow.button.SetDrawText(false);
    arrow.button.SetAutoRepeat(true);
  }
  FillList();
  UpdateArrows();
}

void CTimeZonePage::OnLaidOut(UINT dpi) {
  list_.SetColumnWidth(0, ScaleToDpi(kLocationWidth, dpi));
  list_.SetColumnWidth(1, ScaleToDpi(kOffsetWidth, dpi));
  HideVerticalScrollBar(list_.GetSafeHwnd());
}

void CTimeZonePage::FillList() {
  list_.InsertColumn(0, Tr(L"Location"), LVCFMT_LEFT, ScaleToDpi(kLocationWidth, WindowDpi(GetSafeHwnd())));
  list_.InsertColumn(1, Tr(L"TimeZone"), LVCFMT_CENTER, ScaleToDpi(kOffsetWidth, WindowDpi(GetSafeHwnd())));
  for (int row = 0; row < kTimeZoneCount; ++row) {
    const TimeZoneRow& zone = kTimeZones[static_cast<size_t>(row)];
    list_.InsertItem(row, Tr(ToWide(zone.location).c_str()));
    list_.SetItemText(row, 1, ToWide(zone.offset));
  }
  list_.SetColumnFormat(0, kLocationFontHeight, kLocationColour);
  list_.SetColumnFormat(1, kOffsetFontHeight, kOffsetColour);
}

void CTimeZonePage::ShowArrow(CGdipButton& arrow, bool show) {
  arrow.EnableWindow(show);
  arrow.ShowButton(show);
}

void CTimeZonePage::UpdateArrows() {
  const ArrowVisibility arrows = ArrowsFor(list_.GetTopIndex(), list_.GetItemCount(), list_.GetCountPerPage());
  ShowArrow(up_, arrows.up);
  ShowArrow(down_, arrows.down);
}

void CTimeZonePage::Scroll(WPARAM direction) {
  list_.SendMessage(WM_VSCROLL, direction, 0);
  UpdateArrows();
}

bool CTimeZonePage::OnCommand(WORD id, WORD code, HWND control) {
  switch (id) {
    case IDC_TIME_ZONE_UP:
      Scroll(SB_LINEUP);
      return true;
    case IDC_TIME_ZONE_DOWN:
      Scroll(SB_LINEDOWN);
      return true;
    default:
      return CWizardPage::OnCommand(id, code, control);
  }
}

bool CTimeZonePage::OnNotify(const NMHDR& header, LRESULT& result) {
  if (header.idFrom == IDC_TIME_ZONE_LIST && header.code == NM_CLICK) {
    // Only a click chooses: the keyboard moves the selection without changing the choice.
    clickedRow_ = reinterpret_cast<const NMITEMACTIVATE&>(header).iItem;
    return false;
  }
  return CWizardPage::OnNotify(header, result);
}

LRESULT CTimeZonePage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_LIST_SCROLLED) {
    UpdateArrows();
    return 0;
  }
  return CWizardPage::WindowProc(message, wParam, lParam);
}

void CTimeZonePage::OnCgiDone(int cmdIndex, bool succeeded) {
  if (!WizardInfoArrived(cmdIndex, succeeded)) return;
  zoneRead_ = true;
  const int row = TimeZoneRowOf(DeviceSettings().timeZoneIndex);
  clickedRow_ = loadedRow_ = row;
  if (row >= 0) {
    list_.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    list_.EnsureVisible(row, true);
  } else {
    list_.SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  }
  UpdateArrows();
}

bool CTimeZonePage::Apply() {
  if (!zoneRead_ || clickedRow_ < 0) return false;
  SetLastLaunch(NetworkDoor().SendCommand(FrameWindow(), Device(), kSetTimeZone, SetTimeZoneBody(clickedRow_ + 1)));
  if (LastLaunch() != 0) return true;
  ShowProgramMessage(GetSafeHwnd(), Tr(L"setting failed."));
  return false;
}
