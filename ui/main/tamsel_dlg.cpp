#include "ui/main/tamsel_dlg.h"

#include <cstdio>
#include <vector>

#include "base/win/ansi_text.h"
#include "base/messages.h"
#include "i18n/win/win_language.h"
#include "net/login_credentials.h"
#include "net/search_report.h"
#include "net/win/udp_sockets.h"
#include "rules/search_advice.h"
#include "settings/login_out_time.h"
#include "settings/setting_names.h"
#include "settings/win/settings_file.h"
#include "ui/dialogs/setting_ip_dialog.h"
#include "ui/dialogs/settings_dialog.h"
#include "framework/message_box.h"
#include "ui/common/inactivity_watch.h"
#include "rules/login_rules.h"
#include "ui/network/network_door.h"

namespace {
constexpr int kWidth = 900;
constexpr int kHeight = 600;
constexpr RECT kPopupPlace{300, 96, 881, 454};

// The title and the copyright line. The texts of the title, the welcome, the copyright and the
// search explanation are the window's own (made in code, or following the search).
constexpr FontRole kSmallFont{13};

// Tab runs down the device column, then the shortcuts top to bottom, the information area, then
// the title-bar buttons.
constexpr ControlPlacement kLayout[] = {
    {IDC_MAIN_LOGO, {24, 17, 204, 67}, 0, L"Drovik"},
    {.id = IDC_MAIN_TITLE, .rect = {216, 44, 520, 62}, .font = kSmallFont},
    {.id = IDC_MAIN_WELCOME, .rect = {300, 60, 700, 80}, .font = {17}},
    {IDC_LOGOUT, {726, 16, 751, 41}, 15},
    {IDC_SETTINGS, {756, 16, 781, 41}, 16},
    {IDC_MAIN_HELP, {786, 16, 811, 41}, 17},
    {IDC_MINIMIZE, {816, 16, 841, 41}, 18},
    {IDC_CLOSE, {846, 16, 871, 41}, 19},
    {.id = IDC_SELECT_NAS_LABEL, .rect = {32, 100, 276, 130}, .text = L"Select NAS", .font = {24, FW_BOLD}},
    {IDC_DEVICE_LIST, {24, 134, 284, 334}, 1, L"Select NAS"},
    {IDC_CONNECT, {32, 172, 142, 206}, 2},
    {IDC_REFRESH, {166, 172, 276, 206}, 3},
    {IDC_SHORTCUT_WIZARD, {24, 224, 284, 276}, 4},
    {IDC_SHORTCUT_FOLDER, {24, 280, 284, 332}, 5},
    {IDC_SHORTCUT_FILE_CENTER, {24, 336, 284, 388}, 6},
    {IDC_SHORTCUT_MANAGEMENT_CENTER, {24, 392, 284, 444}, 7},
    {IDC_SHORTCUT_DOWNLOAD_CENTER, {24, 448, 284, 500}, 8},
    {IDC_SHORTCUT_BACKUP_CENTER, {24, 504, 284, 556}, 9},
    {IDC_SHORTCUT_PLAY_CENTER, {24, 504, 284, 556}, 10},
    {IDC_SHORTCUT_SURVEILLANCE_CENTER, {24, 504, 284, 556}, 11},
    {IDC_SELECT_SHORTCUT, {316, 476, 576, 496}, 13},
    {IDC_AUTO_SORTING, {620, 476, 865, 496}, 14},
    {.id = IDC_MAIN_COPYRIGHT, .rect = {300, 562, 881, 580}, .font = kSmallFont},
    // Between the closed list and Connect; the explanation sits where the popup would.
    {IDC_SEARCH_PROGRESS, {32, 163, 276, 166}, 0, L"Search NAS"},
    {.id = IDC_SEARCH_EXPLANATION, .rect = {316, 110, 865, 416}, .font = {15}},
    {IDC_SEARCH_AGAIN, {316, 424, 426, 458}, 12},
};

// The buttons of the header and of the device column: caption (none: images only, the text is
// the tooltip), tooltip, images for normal, hover and pressed.
struct ButtonLook {
  int id;
  const wchar_t* caption;
  const wchar_t* tip;
  UINT normal, hover, pressed;
};
constexpr ButtonLook kButtons[] = {
    {IDC_CONNECT, L"Connect", L"Connect NAS", IDB_BUTTON, IDB_BUTTON_ACTIVE, IDB_BUTTON_ACTIVE},
    {IDC_REFRESH, L"Refresh", L"Search NAS", IDB_BUTTON, IDB_BUTTON_ACTIVE, IDB_BUTTON_ACTIVE},
    {IDC_LOGOUT, nullptr, L"Logout", IDB_LOGOUT_NORMAL, IDB_LOGOUT_HOVER, IDB_LOGOUT_PRESSED},
    {IDC_SETTINGS, nullptr, L"Settings", IDB_SETTINGS_NORMAL, IDB_SETTINGS_HOVER, IDB_SETTINGS_PRESSED},
    {IDC_MAIN_HELP, nullptr, L"Help", IDB_HELP_NORMAL, IDB_HELP_HOVER, IDB_HELP_PRESSED},
    {IDC_MINIMIZE, nullptr, L"Minimize", IDB_MINIMIZE_NORMAL, IDB_MINIMIZE_HOVER, IDB_MINIMIZE_PRESSED},
    {IDC_CLOSE, nullptr, L"Close", IDB_CLOSE_NORMAL, IDB_CLOSE_HOVER, IDB_CLOSE_PRESSED},
    {IDC_SEARCH_AGAIN, L"Search again", L"Search NAS", IDB_BUTTON, IDB_BUTTON_ACTIVE, IDB_BUTTON_ACTIVE},
};

// The shortcut column: caption (also the tooltip), icon, lit icon, and the web application's
// number (0: not a web application).
struct ShortcutLook {
  int id;
  const wchar_t* caption;
  UINT icon, activeIcon;
  int application;
};
constexpr ShortcutLook kShortcuts[] = {
    {IDC_SHORTCUT_WIZARD, L"Wizard", IDB_SHORTCUT_WIZARD, IDB_SHORTCUT_WIZARD_ACTIVE, 0},
    {IDC_SHORTCUT_FOLDER, L"Folder", IDB_SHORTCUT_FOLDER, IDB_SHORTCUT_FOLDER_ACTIVE, 0},
    {IDC_SHORTCUT_PLAY_CENTER, L"Play Center", IDB_SHORTCUT_PLAY, IDB_SHORTCUT_PLAY_ACTIVE, 0},
    {IDC_SHORTCUT_FILE_CENTER, L"File Center", IDB_SHORTCUT_FILE, IDB_SHORTCUT_FILE_ACTIVE, 1},
    {IDC_SHORTCUT_MANAGEMENT_CENTER, L"Management Center", IDB_SHORTCUT_MANAGEMENT, IDB_SHORTCUT_MANAGEMENT_ACTIVE, 2},
    {IDC_SHORTCUT_DOWNLOAD_CENTER, L"Download Center", IDB_SHORTCUT_DOWNLOAD, IDB_SHORTCUT_DOWNLOAD_ACTIVE, 3},
    {IDC_SHORTCUT_BACKUP_CENTER, L"Backup Center", IDB_SHORTCUT_BACKUP, IDB_SHORTCUT_BACKUP_ACTIVE, 4},
    {IDC_SHORTCUT_SURVEILLANCE_CENTER, L"Surveillance Center", IDB_SHORTCUT_SURVEILLANCE,
     IDB_SHORTCUT_SURVEILLANCE_ACTIVE, 5},
};
static_assert(std::size(kShortcuts) == 8);

constexpr COLORREF kGreyText = RGB(144, 144, 144);
constexpr wchar_t kCopyright[] = L"Copyright \x00A9 2026 Drovik. All rights reserved.";

// "Drovik ( 1.0.0.10 )" with the product version of this program's version block.
std::wstring ProductTitle() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeW(path, &handle);
  std::vector<BYTE> block(size);
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (size == 0 || !GetFileVersionInfoW(path, 0, size, block.data()) ||
      !VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) || !fixed) {
    fixed = nullptr;
  }
  wchar_t title[64] = {};
  std::swprintf(title, std::size(title), L"Drovik ( %u.%u.%u.%u )", fixed ? HIWORD(fixed->dwProductVersionMS) : 0,
                fixed ? LOWORD(fixed->dwProductVersionMS) : 0, fixed ? HIWORD(fixed->dwProductVersionLS) : 0,
                fixed ? LOWORD(fixed->dwProductVersionLS) : 0);
  return title;
}

// The images the window shows as it first appears, the largest first: the background, then the
// looks of the header buttons, the device column and the shortcuts (hover and pressed looks wait
// for the pointer).
std::vector<UINT> FirstLookImages() {
  std::vector<UINT> images{IDB_MAIN_BACKGROUND, IDB_SHORTCUT, IDB_COMBO, IDB_MAIN_LOGO};
  for (const ButtonLook& look : kButtons) images.push_back(look.normal);
  for (const ShortcutLook& look : kShortcuts) images.push_back(look.icon);
  return images;
}

// The rows of an adapter table, as the portable rules take them.
std::vector<ListedAdapter> ListAdapters(const AdapterTable& table) {
  std::vector<ListedAdapter> rows;
  for (int row = 0; row < table.count; ++row) rows.push_back({table.rows[row].address, table.rows[row].mask});
  return rows;
}

// What a list entry shows after the device's name: its address, and whether it sits on another
// subnet than every adapter (logging in then offers to move it, or is refused).
std::wstring DeviceDetail(const NasDeviceInfo& device, bool otherSubnet) {
  std::wstring detail = FromAnsi(device.address);
  if (otherSubnet) detail += L" (" + ToWide(OtherSubnetMark()) + L")";
  return detail;
}

const ShortcutLook* WebApplicationOf(int id) {
  for (const ShortcutLook& look : kShortcuts) {
    if (look.id == id && look.application != 0) return &look;
  }
  return nullptr;
}
}  // namespace

CTamselDlg::CTamselDlg()
    : CNetworkWindow(IDD_MAIN), preload_(FirstLookImages()), popup_(nullptr), layout_(kLayout) {}

CTamselDlg::~CTamselDlg() = default;

BOOL CTamselDlg::OnInitDialog() {
  icon_ = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_APP));
  SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));

  SetUpControls();
  LayOut();

  CenterWindow();
  SetBackgroundImage(IDB_MAIN_BACKGROUND);

  std::wstring stored;
  ReadSetting(kLoginOutTimeSetting.section, kLoginOutTimeSetting.key, stored);
  InactivityTimeout = InactivityTimeoutFromSetting(ToU16(stored));

  // The taskbar and Alt+Tab show the window by its title.
  SetWindowText(titleText_);
  SetProp(kMainWindowProperty, reinterpret_cast<HANDLE>(1));

  SetControlState(kSearching);
  StartSearch();
  // Nothing is usable while the search runs: the focus waits on the window itself (the first
  // enabled control would be a title-bar button) and goes to the device list with the result.
  FocusWhereWorkStarts();
  return FALSE;
}

CNASInfoDialog& CTamselDlg::Popup() {
  // Made at its first use: its two dozen windows are not needed to show the main window, and
  // making them held up the first paint.
  if (!popup_.GetSafeHwnd()) {
    popup_.SetParentWindow(GetSafeHwnd());
    popup_.Create();
    popup_.ShowWindow(SW_HIDE);
    popup_.MoveWindow(ScaleToDpi(kPopupPlace, WindowDpi(GetSafeHwnd())), false);
  }
  return popup_;
}

void CTamselDlg::LayOut() {
  const UINT dpi = WindowDpi(GetSafeHwnd());
  SetWindowPos(GetSafeHwnd(), nullptr, 0, 0, ScaleToDpi(kWidth, dpi), ScaleToDpi(kHeight, dpi),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  layout_.Apply(GetSafeHwnd());
  if (popup_.GetSafeHwnd()) popup_.MoveWindow(ScaleToDpi(kPopupPlace, dpi), false);
}

void CTamselDlg::HidePopup() {
  if (popup_.GetSafeHwnd()) popup_.ShowWindow(SW_HIDE);
}

void CTamselDlg::SetUpControls() {
  for (size_t index = 0; index < buttons_.size(); ++index) {
    const ButtonLook& look = kButtons[index];
    CGdipButton& button = buttons_[index];
    button.SubclassDlgItem(look.id, GetSafeHwnd());
    button.LoadImages(look.normal, look.hover, look.pressed);
    if (look.caption) {
      button.SetWindowText(Tr(look.caption));
    } else {
      // Drawn from images only; the tooltip's text is still the button's name for screen readers,
      // the taskbar's tools and the dialog manager.
      button.SetWindowText(Tr(look.tip));
      button.SetDrawText(false);
    }
    button.SetToolTipText(Tr(look.tip));
  }
  for (size_t index = 0; index < shortcuts_.size(); ++index) {
    const ShortcutLook& look = kShortcuts[index];
    CShortCutButton& shortcut = shortcuts_[index];
    shortcut.SubclassDlgItem(look.id, GetSafeHwnd());
    shortcut.LoadImages(IDB_SHORTCUT, IDB_SHORTCUT_SELECTED, IDB_SHORTCUT_HOVER, look.icon, look.activeIcon);
    shortcut.SetWindowText(Tr(look.caption));
    shortcut.SetToolTipText(Tr(look.caption));
  }
  shortcuts_[2].ShowButton(false);  // Play Center
  shortcuts_[7].ShowButton(false);  // Surveillance Center

  selectShortcut_.SubclassDlgItem(IDC_SELECT_SHORTCUT, GetSafeHwnd());
  selectShortcut_.SetWindowText(Tr(L"Select NAS/Short Cut"));
  selectShortcut_.SetToolTipText(Tr(L"Select NAS/Short Cut"));
  autoSorting_.SubclassDlgItem(IDC_AUTO_SORTING, GetSafeHwnd());
  autoSorting_.SetWindowText(Tr(L"Auto Sorting"));
  autoSorting_.SetToolTipText(Tr(L"Auto Sorting"));
  autoSorting_.ShowButton(false);

  titleText_ = ProductTitle();
  title_.SubclassDlgItem(IDC_MAIN_TITLE, GetSafeHwnd());
  title_.SetTextColour(kGreyText);
  title_.SetText(titleText_);
  welcome_.SubclassDlgItem(IDC_MAIN_WELCOME, GetSafeHwnd());
  SetWelcome(L"");
  copyright_.SubclassDlgItem(IDC_MAIN_COPYRIGHT, GetSafeHwnd());
  copyright_.SetTextColour(kGreyText);
  copyright_.SetText(kCopyright);
  logo_.SubclassDlgItem(IDC_MAIN_LOGO, GetSafeHwnd());
  logo_.SetImage(IDB_MAIN_LOGO);
  deviceList_.SubclassDlgItem(IDC_DEVICE_LIST, GetSafeHwnd());
  deviceList_.LoadFaceImage(IDB_COMBO);
  searchProgress_.SubclassDlgItem(IDC_SEARCH_PROGRESS, GetSafeHwnd());
  searchExplanation_.SubclassDlgItem(IDC_SEARCH_EXPLANATION, GetSafeHwnd());
  SelectShortcut(0);
}

void CTamselDlg::SetControlState(int state) { ApplyControlStates(StateControls(state)); }

void CTamselDlg::ApplyControlStates(const ControlStates& states) {
  for (size_t column = 0; column < states.size(); ++column) {
    ::EnableWindow(GetDlgItem(kStateControls[column]), states[column]);
  }
  // A control that was disabled under the focus leaves the keyboard nowhere.
  HWND focus = GetFocus();
  if (GetActiveWindow() == GetSafeHwnd() && (!focus || !::IsWindowEnabled(focus))) FocusWhereWorkStarts();
}

void CTamselDlg::OnActivate(bool active) {
  if (!active) {
    HWND focus = GetFocus();
    focusBeforeDeactivation_ = ::IsChild(GetSafeHwnd(), focus) ? focus : nullptr;
    return;
  }
  if (IsIconic(GetSafeHwnd())) return;
  HWND back = focusBeforeDeactivation_;
  if (back && ::IsWindow(back) && ::IsWindowEnabled(back) && ::IsWindowVisible(back)) {
    ::SetFocus(back);
  } else {
    FocusWhereWorkStarts();
  }
}

void CTamselDlg::FocusWhereWorkStarts() {
  HWND devices = deviceList_.GetSafeHwnd();
  ::SetFocus(::IsWindowEnabled(devices) ? devices : GetSafeHwnd());
}

void CTamselDlg::OnOK() {
  // Enter on a push button presses it (the button answers the dialog manager itself); what is
  // left is Enter elsewhere. On the device list it is Connect; nowhere does it end the program.
  if (GetFocus() == deviceList_.GetSafeHwnd() && ::IsWindowEnabled(GetDlgItem(IDC_CONNECT))) Connect();
}

void CTamselDlg::SelectShortcut(int shortcutId) {
  for (CShortCutButton& shortcut : shortcuts_) shortcut.SetActive(shortcut.GetDlgCtrlID() == shortcutId);
}

bool CTamselDlg::OnCommand(WORD id, WORD code, HWND control) {
  if (const ShortcutLook* web = WebApplicationOf(id)) {
    OpenWebApplication(id, web->application);
    return true;
  }
  switch (id) {
    case IDC_CONNECT: Connect(); return true;
    case IDC_REFRESH: Refresh(); return true;
    case IDC_LOGOUT: Logout(); return true;
    case IDC_SETTINGS: ChangeSettings(); return true;
    case IDC_MAIN_HELP: ShowHelp(); return true;
    case IDC_MINIMIZE: SendMessage(WM_SYSCOMMAND, SC_MINIMIZE); return true;
    case IDC_CLOSE: EndDialog(IDOK); return true;
    case IDC_SELECT_SHORTCUT: Popup().ShowVolumeView(); return true;
    case IDC_AUTO_SORTING: return true;
    case IDC_SEARCH_AGAIN: Refresh(); return true;
    case IDC_DEVICE_LIST:
      // Only the user's own choice sends this (a selection the window makes does not).
      if (code == CBN_SELCHANGE && searchProgress_.Running()) userChoseDevice_ = true;
      return CNetworkWindow::OnCommand(id, code, control);
    case IDC_SHORTCUT_WIZARD: OpenWizard(); return true;
    case IDC_SHORTCUT_FOLDER: ShowShares(); return true;
    case IDC_SHORTCUT_PLAY_CENTER: ShowPlayCenter(); return true;
    case IDC_MAIN_NETWORK:
    case IDC_MAIN_DRIVE_MAPPING: HidePopup(); return true;
    default: return CNetworkWindow::OnCommand(id, code, control);
  }
}

void CTamselDlg::OnTimer(UINT_PTR id) {
  if (id == kInactivityTimer) {
    OnInactivityTimeout();
    return;
  }
  CNetworkWindow::OnTimer(id);
}

LRESULT CTamselDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_USER_ACTIVITY:
      RestartInactivityTimer();
      return 0;
    case WM_SUBNET_CHANGED:
      OnDeviceLeftSubnet();
      return 0;
    case WM_FOLDER_OPEN:
      OpenShare(static_cast<size_t>(wParam));
      return 0;
    case WM_QUERYDRAGICON:
      return reinterpret_cast<LRESULT>(icon_);
    case WM_DESTROY:
      RemoveProp(kMainWindowProperty);
      return CNetworkWindow::WindowProc(message, wParam, lParam);
    case WM_SETFOCUS:
      // The focus on the window itself stays there (the dialog manager would hand it on to the
      // first enabled tab stop): it waits there while the search runs.
      return 0;
    case WM_ACTIVATE:
      OnActivate(LOWORD(wParam) != WA_INACTIVE);
      if (LOWORD(wParam) == WA_INACTIVE) return CNetworkWindow::WindowProc(message, wParam, lParam);
      return 0;
    case WM_CLOSE:
      // Alt+F4 and the system menu close the program as Close does; Escape (IDCANCEL) does not.
      EndDialog(IDOK);
      return 0;
    default:
      return CNetworkWindow::WindowProc(message, wParam, lParam);
  }
}

void CTamselDlg::OnPaint(HDC dc) {
  if (!IsIconic(GetSafeHwnd())) {
    CNetworkWindow::OnPaint(dc);
    return;
  }
  const RECT client = GetClientRect();
  const int x = (RectWidth(client) - GetSystemMetrics(SM_CXICON) + 1) / 2;
  const int y = (RectHeight(client) - GetSystemMetrics(SM_CYICON) + 1) / 2;
  DrawIcon(dc, x, y, icon_);
}

void CTamselDlg::StartSearch() {
  HideSearchExplanation();
  SetActiveRequest(NetworkDoor().SearchDevices(GetSafeHwnd()));
  if (ActiveRequest() == 0) {
    // Without a running search nothing would ever enable a control again: the user is told, and
    // Refresh stays at hand.
    searchProgress_.Stop();
    ShowProgramMessage(GetSafeHwnd(), Tr(L"Refresh NAS list failed."));
    SetControlState(kLoggedOut);
    return;
  }
  // The list fills as the devices answer; the other controls keep the searching state until the
  // search has ended (a login now would share the search's sockets and device list).
  rememberedDevice_.clear();
  ReadSetting(kServNameSetting.section, kServNameSetting.key, rememberedDevice_);
  userChoseDevice_ = false;
  deviceList_.ResetContent();
  ::EnableWindow(GetDlgItem(IDC_DEVICE_LIST), TRUE);
  searchProgress_.Start();
}

void CTamselDlg::ListDevice(int index, const NasDeviceInfo& device, bool otherSubnet) {
  deviceList_.InsertString(index, FromDeviceText(device.name));
  deviceList_.SetItemDetail(index, DeviceDetail(device, otherSubnet));
}

void CTamselDlg::OnSearchEntry(const SearchEntry& entry) {
  // Entries come in list order; one already listed (or out of step) waits for the final list.
  if (entry.index != deviceList_.GetCount()) return;
  ListDevice(entry.index, entry.device, entry.otherSubnet);
  SelectWhileSearching();
}

void CTamselDlg::SelectWhileSearching() {
  if (userChoseDevice_) return;
  std::vector<std::u16string> names;
  for (int index = 0; index < deviceList_.GetCount(); ++index) names.push_back(ToU16(deviceList_.GetLBText(index)));
  const int chosen = ChooseDevice(names, ToU16(rememberedDevice_));
  if (chosen >= 0 && chosen != deviceList_.GetCurSel()) deviceList_.SetCurSel(chosen);
}

void CTamselDlg::ExplainSearchOutcome(const std::vector<NasDeviceInfo>& devices) {
  const std::vector<ListedAdapter> adapters = ListAdapters(SearchedAdapters());
  switch (ReadSearchOutcome(adapters, LastSearchTally(), devices)) {
    case SearchOutcome::kNothingHeard:
    case SearchOutcome::kAllIgnored:
      ShowSearchExplanation(ToWide(ExplainEmptySearch(adapters, LastSearchTally())), true);
      break;
    case SearchOutcome::kOnlyOtherSubnets:
      ShowSearchExplanation(ToWide(OtherSubnetHint()), false);
      break;
    case SearchOutcome::kDevicesFound:
      HideSearchExplanation();
      break;
  }
}

void CTamselDlg::ShowSearchExplanation(const std::wstring& text, bool offerSearchAgain) {
  searchExplanation_.SetText(text);
  searchExplanation_.ShowWindow(SW_SHOWNA);
  ::ShowWindow(GetDlgItem(IDC_SEARCH_AGAIN), offerSearchAgain ? SW_SHOWNA : SW_HIDE);
}

void CTamselDlg::HideSearchExplanation() {
  searchExplanation_.ShowWindow(SW_HIDE);
  ::ShowWindow(GetDlgItem(IDC_SEARCH_AGAIN), SW_HIDE);
}

void CTamselDlg::Refresh() {
  Logout();
  SetControlState(kSearching);
  HidePopup();
  StartSearch();
}

void CTamselDlg::Logout() {
  NetworkDoor().ClearLogin();
  StopInactivityWatch();
  Shares().clear();
  shownShares_.clear();
  if (popup_.GetSafeHwnd()) popup_.ShowVolumeView();
  SetControlState(kLoggedOut);
  HidePopup();
  SetWelcome(L"");
}

void CTamselDlg::SetWelcome(const std::wstring& text) {
  welcome_.SetText(text);
  // An empty line is not shown, so that a screen reader finds no nameless text.
  welcome_.ShowWindow(text.empty() ? SW_HIDE : SW_SHOW);
}

void CTamselDlg::OnSearchFinished() {
  std::wstring remembered;
  ReadSetting(kServNameSetting.section, kServNameSetting.key, remembered);
  const int userChoice = userChoseDevice_ ? deviceList_.GetCurSel() : -1;
  SetControlState(kLoggedOut);
  HidePopup();

  // The whole list again, as the search merged it: the entries shown early are the same ones in
  // the same order, so a choice the user made meanwhile keeps its index.
  deviceList_.ResetContent();
  const std::vector<ListedAdapter> adapters = ListAdapters(SearchedAdapters());
  std::vector<NasDeviceInfo> devices;
  std::vector<std::u16string> names;
  NasDeviceInfo device{};
  for (int index = 0; Devices().CopyAt(index, device); ++index) {
    ListDevice(index, device, OffEveryAdapterSubnet(adapters, device));
    names.push_back(ToU16(deviceList_.GetLBText(index)));
    devices.push_back(device);
  }
  const int chosen = userChoice >= 0 && userChoice < static_cast<int>(names.size())
                         ? userChoice
                         : ChooseDevice(names, ToU16(remembered));
  if (chosen >= 0) deviceList_.SetCurSel(chosen);
  if (GetActiveWindow() == GetSafeHwnd()) FocusWhereWorkStarts();
  if (CFolderListCtrl* shares = popup_.ShareList()) shares->ClearFolders();
  ExplainSearchOutcome(devices);
  // The bar goes last: once it is gone the list, its selection and the controls are final.
  searchProgress_.Stop();
}

void CTamselDlg::StartVolumeStatus() {
  VolumeInfoList& first = volumeRequests_.emplace_back();
  SetActiveRequest(NetworkDoor().GetVolumeStatus(GetSafeHwnd(), device_, &first));
  if (ActiveRequest() != 0) return;
  volumeRequests_.pop_back();
  ShowProgramMessage(GetSafeHwnd(), Tr(L"Get VolumeInfo failed."));
}

void CTamselDlg::OnVolumeStatus(VolumeInfoList* first) {
  if (!first) return;
  Popup().ResetVolumes();
  Popup().SetVolumeNotice(L"");
  for (const VolumeInfoList* volume = first; volume && volume->volume != 0; volume = volume->next) {
    Popup().AddVolume(volume->usedSize >> 20, volume->totalSize >> 20, L"Volume_" + std::to_wstring(volume->volume));
  }
  FreeVolumeInfoTail(*first);
  volumeRequests_.remove_if([first](const VolumeInfoList& request) { return &request == first; });
  HideSearchExplanation();
  Popup().ShowWindow(SW_SHOW);
}

void CTamselDlg::OnVolumeStatusFailed(VolumeInfoList* first, int deviceStatus) {
  if (!first) return;
  // Said where the panels would be: a device whose read failed is not a device without volumes.
  Popup().ResetVolumes();
  Popup().SetVolumeNotice(ReadFailureNotice(L"Reading the volumes failed.", deviceStatus));
  FreeVolumeInfoTail(*first);
  volumeRequests_.remove_if([first](const VolumeInfoList& request) { return &request == first; });
  Popup().ShowWindow(SW_SHOW);
}

void CTamselDlg::ShowHelp() {
  MessageBoxExW(GetSafeHwnd(), titleText_.c_str(), Tr(L"Help").c_str(), MB_OKCANCEL, 0x409);
}

void CTamselDlg::ChangeSettings() {
  if (!RunSettingsDialog()) return;
  WriteSetting(kLoginOutTimeSetting.section, kLoginOutTimeSetting.key, ToWide(FormatLoginOutTime(InactivityTimeout)));
  RestartInactivityTimer();
}

bool CTamselDlg::RunSettingsDialog() {
  CSettingsDialog dialog(GetSafeHwnd());
  return dialog.DoModal() == IDOK;
}

bool CTamselDlg::RunSettingIpDialog(const ChosenDevice& device) {
  CSettingIpDialog dialog(GetSafeHwnd(), device);
  return dialog.DoModal() == IDOK;
}

void CTamselDlg::OnDeviceLeftSubnet() {
  refreshAfterWizard_ = false;
  if (OpenDialogWindow) ::SendMessageW(OpenDialogWindow, WM_CLOSE, 0, 0);
  Refresh();
}

void CTamselDlg::OnInactivityTimeout() {
  Logout();
  ShowProgramMessage(GetSafeHwnd(), Tr(L"Time out, please login again."));
  if (OpenDialogWindow) ::SendMessageW(OpenDialogWindow, WM_CLOSE, 0, 0);
  Logout();
}

LoginCredentialsRecord& CTamselDlg::Login() { return NetworkDoor().Login(); }

bool CTamselDlg::AdministratorLoggedIn() { return NetworkDoor().AdministratorLogin(); }

ShareListRecord& CTamselDlg::Shares() { return NetworkDoor().Shares(); }

NasDeviceList& CTamselDlg::Devices() { return NetworkDoor().Devices(); }

const AdapterTable& CTamselDlg::SearchedAdapters() { return NetworkDoor().SearchedAdapters(); }
