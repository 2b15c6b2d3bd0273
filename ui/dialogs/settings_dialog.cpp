#include "ui/dialogs/settings_dialog.h"

#include <cstdint>

#include "i18n/win/win_language.h"
#include "res/resource.h"
#include "skin/window_outline.h"
#include "ui/common/button_looks.h"
#include "ui/common/inactivity_watch.h"
#include "ui/common/window_layout.h"

namespace {
constexpr WindowShape kShape{772, 503, 772, 503, 17};

constexpr wchar_t kHint[] =
    L"* Choose a value for the Drovik Inactivity Timer. If the user is idle for longer than the specified time, he "
    L"will be logged out of the Drovik.";

constexpr ControlPlacement kLayout[] = {
    {IDC_SETTINGS_LOGO, {30, 20, 110, 100}, 0, L"Settings"},
    {.id = IDC_SETTINGS_TITLE, .rect = {125, 38, 500, 86}, .text = L"Settings", .font = {36}},
    {IDC_SETTINGS_CLOSE, {727, 15, 752, 40}},
    {IDC_SETTINGS_LOGOUT_TIME_TAB, {40, 118, 300, 148}},
    {IDC_SETTINGS_SHORTCUT_TAB, {300, 118, 560, 148}},
    {IDC_LOGOUT_1_MIN, {130, 175, 330, 199}},
    {IDC_LOGOUT_3_MIN, {130, 215, 330, 239}},
    {IDC_LOGOUT_5_MIN, {130, 255, 330, 279}},
    {IDC_LOGOUT_15_MIN, {130, 295, 330, 319}},
    {IDC_LOGOUT_30_MIN, {420, 175, 620, 199}},
    {IDC_LOGOUT_60_MIN, {420, 215, 620, 239}},
    {IDC_LOGOUT_MANUALLY, {420, 255, 640, 279}},
    {IDC_SETTINGS_SHOW_WIZARD, {130, 175, 330, 199}},
    {IDC_SETTINGS_SHOW_FOLDER, {130, 210, 330, 234}},
    {IDC_SETTINGS_SHOW_PLAY_CENTER, {130, 245, 330, 269}},
    {IDC_SETTINGS_SHOW_MANAGE_CENTER, {130, 280, 330, 304}},
    {IDC_SETTINGS_SHOW_DOWNLOAD_CENTER, {130, 315, 330, 339}},
    {IDC_SETTINGS_SHOW_BACKUP_CENTER, {420, 175, 640, 199}},
    {IDC_SETTINGS_SHOW_NETWORK, {420, 210, 640, 234}},
    {IDC_SETTINGS_SHOW_DRIVE_MAPPING, {420, 245, 640, 269}},
    {IDC_SETTINGS_SHOW_SURVEILLANCE_CENTER, {420, 280, 640, 304}},
    {IDC_SETTINGS_SHOW_FILE_CENTER, {420, 315, 640, 339}},
    {.id = IDC_SETTINGS_HINT, .rect = {60, 365, 712, 415}, .text = kHint, .font = {13}},
    {IDC_SETTINGS_OK, {255, 440, 365, 474}},
    {IDC_SETTINGS_CANCEL, {405, 440, 515, 474}},
};

// The time choices in the order OK reads them; the minutes keep the template's untranslated texts.
struct TimeChoice {
  int id;
  std::uint32_t milliseconds;
  const wchar_t* translatedCaption;
};
constexpr TimeChoice kTimeChoices[CSettingsDialog::kTimeChoiceCount] = {
    {IDC_LOGOUT_1_MIN, 60000, nullptr},     {IDC_LOGOUT_3_MIN, 180000, nullptr},
    {IDC_LOGOUT_5_MIN, 300000, nullptr},    {IDC_LOGOUT_15_MIN, 900000, nullptr},
    {IDC_LOGOUT_30_MIN, 1800000, nullptr},  {IDC_LOGOUT_60_MIN, 3600000, nullptr},
    {IDC_LOGOUT_MANUALLY, 0, L"Logout Manually"},
};
// A stored time that is none of the choices shows as the shortest.
constexpr size_t kFallbackChoice = 0;

constexpr struct {
  int id;
  const wchar_t* caption;
} kShortcutBoxes[CSettingsDialog::kShortcutBoxCount] = {
    {IDC_SETTINGS_SHOW_WIZARD, L"Wizard"},
    {IDC_SETTINGS_SHOW_FOLDER, L"Folder"},
    {IDC_SETTINGS_SHOW_PLAY_CENTER, L"Play Center"},
    {IDC_SETTINGS_SHOW_MANAGE_CENTER, L"Manage Center"},
    {IDC_SETTINGS_SHOW_DOWNLOAD_CENTER, L"Download Center"},
    {IDC_SETTINGS_SHOW_BACKUP_CENTER, L"Backup Center"},
    {IDC_SETTINGS_SHOW_NETWORK, L"Network"},
    {IDC_SETTINGS_SHOW_DRIVE_MAPPING, L"Drive Mapping"},
    {IDC_SETTINGS_SHOW_SURVEILLANCE_CENTER, L"Surveillance Center"},
    {IDC_SETTINGS_SHOW_FILE_CENTER, L"File Center"},
};
// The shortcut page never offers these two.
bool HiddenOnShortcutPage(int id) { return id == IDC_SETTINGS_SHOW_NETWORK || id == IDC_SETTINGS_SHOW_DRIVE_MAPPING; }
}  // namespace

CSettingsDialog::CSettingsDialog(HWND owner) : CGdipDialog(IDD_SETTINGS, owner), layout_(kLayout) {}

void CSettingsDialog::LayOut() {
  ApplyWindowShape(GetSafeHwnd(), kShape);
  layout_.Apply(GetSafeHwnd());
}

BOOL CSettingsDialog::OnInitDialog() {
  OpenDialogWindow = GetSafeHwnd();
  SetUpControls();
  LayOut();
  CenterWindow();
  SetBackgroundImage(IDB_WIZARD_BACKGROUND);
  ShowPage(Page::kLogoutTime);
  shortcutBoxes_[0].EnableWindow(false);
  TickStoredChoice();
  return TRUE;
}

void CSettingsDialog::SetUpControls() {
  logo_.SubclassDlgItem(IDC_SETTINGS_LOGO, GetSafeHwnd());
  logo_.SetImage(IDB_SETTINGS_LOGO);
  SetWindowText(Tr(L"Settings"));

  tabs_[0].SubclassDlgItem(IDC_SETTINGS_LOGOUT_TIME_TAB, GetSafeHwnd());
  tabs_[0].SetWindowText(Tr(L"Logout Time"));
  tabs_[1].SubclassDlgItem(IDC_SETTINGS_SHORTCUT_TAB, GetSafeHwnd());
  tabs_[1].SetWindowText(Tr(L"Short Cut Settings"));
  tabs_[1].SetToolTipText(Tr(L"Short Cut"));

  for (size_t index = 0; index < timeChoices_.size(); ++index) {
    CGdipButton& choice = timeChoices_[index];
    choice.SubclassDlgItem(kTimeChoices[index].id, GetSafeHwnd());
    choice.LoadImages(IDB_RADIO, IDB_RADIO_CHECKED, IDB_RADIO_CHECKED);
    if (kTimeChoices[index].translatedCaption) choice.SetWindowText(Tr(kTimeChoices[index].translatedCaption));
  }
  for (size_t index = 0; index < shortcutBoxes_.size(); ++index) {
    CGdipButton& box = shortcutBoxes_[index];
    box.SubclassDlgItem(kShortcutBoxes[index].id, GetSafeHwnd());
    box.LoadImages(IDB_CHECK_BOX, IDB_CHECK_MARK, IDB_CHECK_MARK);
    box.SetWindowText(Tr(kShortcutBoxes[index].caption));
  }

  ApplyButtonLooks(
      GetSafeHwnd(),
      {{ok_, IDC_SETTINGS_OK, L"OK", L"OK", IDB_BUTTON, IDB_BUTTON_ACTIVE, IDB_BUTTON_ACTIVE},
       {cancel_, IDC_SETTINGS_CANCEL, L"Cancel", L"Cancel", IDB_BUTTON, IDB_BUTTON_ACTIVE, IDB_BUTTON_ACTIVE},
       {close_, IDC_SETTINGS_CLOSE, nullptr, L"Close", IDB_CLOSE_NORMAL, IDB_CLOSE_HOVER, IDB_CLOSE_PRESSED}});
  close_.SetDrawText(false);
}

void CSettingsDialog::ShowPage(Page page) {
  page_ = page;
  const bool timePage = page == Page::kLogoutTime;
  tabs_[0].SetSelected(timePage);
  tabs_[1].SetSelected(!timePage);
  for (CGdipButton& choice : timeChoices_) choice.ShowWindow(timePage ? SW_SHOW : SW_HIDE);
  for (CGdipButton& box : shortcutBoxes_) {
    const bool shown = !timePage && !HiddenOnShortcutPage(box.GetDlgCtrlID());
    box.ShowWindow(shown ? SW_SHOW : SW_HIDE);
  }
}

void CSettingsDialog::TickStoredChoice() {
  size_t ticked = kFallbackChoice;
  for (size_t index = 0; index < std::size(kTimeChoices); ++index) {
    if (kTimeChoices[index].milliseconds == InactivityTimeout) ticked = index;
  }
  for (size_t index = 0; index < timeChoices_.size(); ++index) {
    timeChoices_[index].SetCheck(index == ticked ? BST_CHECKED : BST_UNCHECKED);
  }
}

bool CSettingsDialog::OnCommand(WORD id, WORD code, HWND control) {
  switch (id) {
    case IDC_SETTINGS_LOGOUT_TIME_TAB:
      ShowPage(Page::kLogoutTime);
      return true;
    case IDC_SETTINGS_SHORTCUT_TAB:
      ShowPage(Page::kShortcuts);
      return true;
    case IDC_SETTINGS_OK:
      OnOK();
      return true;
    case IDC_SETTINGS_CANCEL:
    case IDC_SETTINGS_CLOSE:
      OnCancel();
      return true;
    default:
      return CGdipDialog::OnCommand(id, code, control);
  }
}

void CSettingsDialog::OnOK() {
  for (size_t index = 0; index < timeChoices_.size(); ++index) {
    if (timeChoices_[index].GetCheck() == BST_CHECKED) InactivityTimeout = kTimeChoices[index].milliseconds;
  }
  EndDialog(IDOK);
}

LRESULT CSettingsDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  // Cleared with the window, not later with the object: the inactivity logout must never send
  // its close to a window that is gone.
  if (message == WM_DESTROY && OpenDialogWindow == GetSafeHwnd()) OpenDialogWindow = nullptr;
  return CGdipDialog::WindowProc(message, wParam, lParam);
}
