// The shortcut column of the main window: the device's web applications in the browser, the shared
// folders in the popup and in the file manager, Play Center, and the wizard's button.
#include <cstring>

#include "base/win/ansi_text.h"
#include "i18n/win/win_language.h"
#include "net/answer_records.h"
#include "net/login_credentials.h"
#include "framework/message_box.h"
#include "ui/main/shell_open.h"
#include "rules/shortcut_links.h"
#include "ui/main/tamsel_dlg.h"
#include "ui/network/network_door.h"
#include "ui/wizard/wizard_runner.h"

namespace {
// The file manager opens the share in its explorer view, rooted at "My Computer".
constexpr wchar_t kExplorerView[] = L"/e";
constexpr wchar_t kMyComputer[] = L"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}";
// Play Center has no page of its own; the box says so in every language.
constexpr wchar_t kPlayCenterText[] = L"goto play center";
}  // namespace

void CTamselDlg::OpenWebApplication(int shortcutId, int application) {
  SelectShortcut(shortcutId);
  shortcutCode_ = application;
  const LoginCredentialsRecord& credentials = Login();
  const auto url = WebApplicationUrl(ToU16(FromAnsi(device_.address)), application,
                                     ToU16(FromAnsi(credentials.userName)), ToU16(FromAnsi(credentials.password)));
  if (url) ShellOpen(GetSafeHwnd(), ToWide(*url));
}

void CTamselDlg::ShowShares() {
  SelectShortcut(IDC_SHORTCUT_FOLDER);
  if (CFolderListCtrl* shares = Popup().ShareList()) shares->ClearFolders();
  Shares().clear();
  shownShares_.clear();
  Popup().SetShareNotice(L"");
  SetActiveRequest(NetworkDoor().GetShareInfo(GetSafeHwnd(), device_, 1));
  if (ActiveRequest() == 0) ShowProgramMessage(GetSafeHwnd(), Tr(L"GetUSBInfo failed."));
  Popup().ShowShareView();
  // The shares are chosen with the arrows and opened with Enter.
  if (CFolderListCtrl* shares = Popup().ShareList(); shares && GetActiveWindow() == GetSafeHwnd()) {
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(shares->GetSafeHwnd()), TRUE);
  }
}

void CTamselDlg::OnShareInfoFailed(int deviceStatus) {
  // An empty share view would pass for a device without shares; Folder reads them again.
  Popup().SetShareNotice(ReadFailureNotice(L"Reading the shares failed.", deviceStatus));
}

void CTamselDlg::OnShareInfo() {
  CFolderListCtrl* shares = Popup().ShareList();
  if (!shares) return;
  const ShareListRecord& entries = Shares();
  for (size_t entry = 0; entry < entries.size() && shownShares_.size() < kMaxFolders; ++entry) {
    // A name that is no plain folder name could never be opened; it is not offered.
    if (!IsPlainShareName(entries[entry].name)) continue;
    shares->AddFolder(ToWide(entries[entry].name).c_str());
    shownShares_.push_back(entry);
  }
}

void CTamselDlg::OpenShare(size_t item) {
  const ShareListRecord& entries = Shares();
  if (item >= shownShares_.size() || shownShares_[item] >= entries.size()) return;
  const auto path = SharePath(ToU16(FromAnsi(device_.address)), entries[shownShares_[item]].name);
  if (path) ShellOpen(GetSafeHwnd(), ToWide(*path), kExplorerView, kMyComputer);
}

void CTamselDlg::ShowPlayCenter() {
  SelectShortcut(IDC_SHORTCUT_PLAY_CENTER);
  Popup().ShowVolumeView();
  ShowProgramMessage(GetSafeHwnd(), kPlayCenterText);
}

void CTamselDlg::OpenWizard() {
  SelectShortcut(IDC_SHORTCUT_WIZARD);
  // The device moves only when the user's own network change was followed to its new address;
  // an address the device merely names in an answer is shown, never used.
  device_ = RunSetupWizard(GetSafeHwnd(), AdministratorLoggedIn(), device_);
  // Cleared while the wizard ran when the device left the subnet: the search then refreshes all.
  if (refreshAfterWizard_) StartVolumeStatus();
  refreshAfterWizard_ = true;
  WizardInfoRecord& info = NetworkDoor().DeviceSettings();
  if (info.hostName[0] != '\0') {
    Popup().SetDeviceLines(FromAnsi(info.hostName), FromAnsi(info.lan.address), FromAnsi(info.lan.mask),
                          FromAnsi(info.lan.gateway));
    info = WizardInfoRecord{};
  }
  Popup().ShowVolumeView();
}
