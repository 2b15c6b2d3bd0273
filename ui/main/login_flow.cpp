// The login half of the main window: Connect with the login dialog, the accepted login with its
// subnet check, and the user's access rights.
#include "base/win/ansi_text.h"
#include "i18n/win/win_language.h"
#include "net/login_credentials.h"
#include "net/win/udp_sockets.h"
#include "settings/setting_names.h"
#include "settings/win/settings_file.h"
#include "settings/win/stored_password.h"
#include "ui/dialogs/login_dialog.h"
#include "framework/message_box.h"
#include "ui/common/inactivity_watch.h"
#include "rules/login_rules.h"
#include "ui/main/tamsel_dlg.h"
#include "ui/network/network_door.h"

namespace {
constexpr wchar_t kAdministratorName[] = L"admin";
constexpr wchar_t kDeviceModel[] = L"QB-550";

bool DeviceAt(int index, NasDeviceInfo& device) { return NasDeviceList::Instance().CopyAt(index, device); }
}  // namespace

void CTamselDlg::Connect() {
  const int selection = deviceList_.GetCurSel();
  if (selection < 0) {
    ShowProgramMessage(GetSafeHwnd(), Tr(L"Select NAS"));
    return;
  }
  selectedDevice_ = selection;
  userName_.clear();
  password_.clear();
  NasDeviceInfo device{};
  const std::wstring section = DeviceAt(selectedDevice_, device) ? FromAnsi(device.name) : std::wstring();

  CLoginDialog login(GetSafeHwnd());
  if (!section.empty() && ReadSetting(section, kUserNameKey, userName_)) {
    std::wstring stored;
    ReadSetting(section, kPassWordKey, stored);
    password_ = DecodeStoredPassword(stored);
    login.SetValues(userName_, password_, true);
  }
  if (login.DoModal() != IDOK) return;

  Logout();
  userName_ = login.UserName();
  password_ = login.Password();
  IsAdminUser = userName_ == kAdministratorName;
  WriteSetting(kServNameSetting.section, kServNameSetting.key, section);
  if (!section.empty()) {
    if (login.Remember()) {
      WriteSetting(section, kUserNameKey, userName_);
      WriteSetting(section, kPassWordKey, EncodeStoredPassword(password_));
    } else {
      ClearSetting(section, kUserNameKey);
      ClearSetting(section, kPassWordKey);
    }
  }

  SetActiveRequest(NetworkDoor().CheckLogin(GetSafeHwnd(), userName_, password_, selectedDevice_));
  if (ActiveRequest() == 0) {
    ShowProgramMessage(GetSafeHwnd(), Tr(L"Login failed."));
    return;
  }
  Popup().SetDeviceLines(FromAnsi(device.name), FromAnsi(device.address), FromAnsi(device.mask),
                        FromAnsi(device.gateway));
}

void CTamselDlg::OnLoginAccepted() {
  ClearLoginCredentials();
  NasDeviceInfo device{};
  if (!DeviceAt(selectedDevice_, device)) return;
  currentAddress_ = device.address;
  const AdapterTable& adapters = Adapters();
  const bool knownAdapter = device.adapterIndex >= 0 && device.adapterIndex < adapters.count;
  const bool sameSubnet =
      knownAdapter && OnSameSubnet(adapters.rows[device.adapterIndex].address, adapters.rows[device.adapterIndex].mask,
                                   device.address, device.mask);
  if (!sameSubnet) {
    if (IsAdminUser) {
      AskForDeviceMove();
    } else {
      ShowProgramMessage(GetSafeHwnd(), Tr(L"Not the same network segment, please administrator privileges to change "
                                           L"the ip of NAS setting."));
      Logout();
    }
    return;
  }

  LoginCredentialsRecord& credentials = LoginCredentials();
  CopyAnsiToSlot(IsAdminUser ? std::wstring(kAdministratorName) : userName_, credentials.userName,
                 sizeof credentials.userName);
  CopyAnsiToSlot(password_, credentials.password, sizeof credentials.password);
  if (IsAdminUser) {
    SetControlState(kAdministrator);
    StartVolumeStatus();
  } else {
    SetActiveRequest(NetworkDoor().GetUserAccess(GetSafeHwnd(), selectedDevice_));
  }
  StartInactivityWatch(GetSafeHwnd());
  const std::wstring user = FromAnsi(credentials.userName);
  SetWelcome(TrFormat(L"Welcome %s", user.c_str()));
  OfferWizardOnce();
}

void CTamselDlg::AskForDeviceMove() {
  if (ShowProgramMessage(GetSafeHwnd(), Tr(L"Not the same subnet, do you want to change NAS ip?"), MB_OKCANCEL) != IDOK) {
    return;
  }
  if (!RunSettingIpDialog(selectedDevice_)) return;
  ShowProgramMessage(GetSafeHwnd(), Tr(L"Setting NAS ip Sucess,Refresh ...."));
  Refresh();
}

void CTamselDlg::OfferWizardOnce() {
  std::wstring shown;
  if (ReadSetting(kFirstOpenSetting.section, kFirstOpenSetting.key, shown)) return;
  WriteSetting(kFirstOpenSetting.section, kFirstOpenSetting.key, kFirstOpenShown);
  const std::wstring user = FromAnsi(LoginCredentials().userName);
  const std::wstring question =
      TrFormat(L"Welcome %s, do you want to goto the wiard to setting your %s?", user.c_str(), kDeviceModel);
  if (ShowProgramMessage(GetSafeHwnd(), question, MB_OKCANCEL) == IDOK) OpenWizard();
}

void CTamselDlg::OnUserAccess(const std::wstring& accessText) {
  ApplyControlStates(AccessControls(ToU16(accessText)));
  StartVolumeStatus();
}
