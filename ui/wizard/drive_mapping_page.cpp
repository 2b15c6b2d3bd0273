#include "ui/wizard/drive_mapping_page.h"

#include "base/win/ansi_text.h"
#include "base/messages.h"
#include "i18n/win/win_language.h"
#include "net/device_commands.h"
#include "res/resource.h"
#include "framework/message_box.h"
#include "ui/network/network_door.h"
#include "net/win/network_drives.h"
#include "ui/wizard/time_zone_page.h"

namespace {
constexpr ControlPlacement kLayout[] = {
    {IDC_DRIVE_MAPPING_LIST, {0, 0, 533, 232}},
};
constexpr int kNameWidth = 305;
constexpr int kLocationWidth = 100;
constexpr int kFontHeight = 18;
constexpr COLORREF kTextColour = RGB(255, 255, 255);

std::u16string SelectText() { return ToU16(Tr(L"select")); }
}  // namespace

CDriveMappingPage::CDriveMappingPage() : CWizardPage(IDD_WIZARD_DRIVE_MAPPING, kLayout) {}
CDriveMappingPage::~CDriveMappingPage() = default;

void CDriveMappingPage::SetUpControls() {
  list_.SubclassDlgItem(IDC_DRIVE_MAPPING_LIST, GetSafeHwnd());
  list_.InsertColumn(0, Tr(L"Name"), LVCFMT_LEFT, ScaleToDpi(kNameWidth, WindowDpi(GetSafeHwnd())));
  list_.InsertColumn(1, Tr(L"Location"), LVCFMT_CENTER, ScaleToDpi(kLocationWidth, WindowDpi(GetSafeHwnd())));
  list_.AddListColumn();
  list_.SetColumnFormat(0, kFontHeight, kTextColour);
  list_.SetColumnFormat(1, kFontHeight, kTextColour);
}

void CDriveMappingPage::OnLaidOut(UINT dpi) {
  list_.SetColumnWidth(0, ScaleToDpi(kNameWidth, dpi));
  list_.SetColumnWidth(1, ScaleToDpi(kLocationWidth, dpi));
  HideVerticalScrollBar(list_.GetSafeHwnd());
}

int CDriveMappingPage::LoadPageData() {
  deviceAddress_ = FromAnsi(Device().address);
  Shares().clear();
  SetLastLaunch(NetworkDoor().GetShareInfo(GetSafeHwnd(), Device(), 0));
  if (LastLaunch() == 0) ShowProgramMessage(GetSafeHwnd(), Tr(L"Get wizard information failed."));
  return LastLaunch();
}

void CDriveMappingPage::OnCgiDone(int cmdIndex, bool succeeded) {
  if (cmdIndex != kGetShareInfo) return;
  list_.DeleteAllItems();
  if (!succeeded) {
    ShowProgramMessage(GetSafeHwnd(), Tr(L"get the NAS share file error."));
    return;
  }
  drives_.Scan(DriveConnections());
  drives_.LabelShares(ToU16(deviceAddress_), Shares());
  ShowShares();
}

ShareListRecord& CDriveMappingPage::Shares() { return NetworkDoor().Shares(); }

void CDriveMappingPage::ShowShares() {
  list_.DeleteAllItems();
  const ShareListRecord& shares = Shares();
  for (size_t row = 0; row < shares.size(); ++row) {
    list_.InsertItem(static_cast<int>(row), ToWide(shares[row].name));
    list_.SetItemText(static_cast<int>(row), 1, ToWide(shares[row].label));
  }
}

void CDriveMappingPage::OfferLocations(int row, CellChoices& choices) {
  choices.clear();
  HWND focus = ::GetFocus();
  RECT focusRect{};
  RECT listRect{};
  if (!focus || !::GetWindowRect(focus, &focusRect) || !::GetWindowRect(list_.GetSafeHwnd(), &listRect)) return;
  const POINT corner{focusRect.left, focusRect.top};
  if (!::PtInRect(&listRect, corner)) return;
  for (const std::u16string& choice :
       LocationChoices(DriveConnections().UsedDriveLetters(), Shares(), row, SelectText()))
    choices.push_back(ToWide(choice));
}

void CDriveMappingPage::OnLocationChosen(int row) {
  ShareListRecord& shares = Shares();
  if (row < 0 || static_cast<size_t>(row) >= shares.size()) return;
  const std::u16string newLabel = ToU16(list_.GetItemText(row, 1));
  const LocationOutcome outcome = ChangeLocation(DriveConnections(), shares[static_cast<size_t>(row)], newLabel,
                                                 ToU16(deviceAddress_), LoggedInDriveUser(), SelectText());
  if (outcome.message.empty()) return;
  ShowProgramMessage(GetSafeHwnd(), Tr(ToWide(outcome.message).c_str()));
  ShowShares();
}

LRESULT CDriveMappingPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CELL_CHOICES:
      OfferLocations(static_cast<int>(wParam), *reinterpret_cast<CellChoices*>(lParam));
      return 1;
    case WM_CELL_EDITED:
      OnLocationChosen(static_cast<int>(wParam));
      return 0;
    default:
      return CWizardPage::WindowProc(message, wParam, lParam);
  }
}
