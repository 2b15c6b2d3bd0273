// The login half of the main window: Connect with the login dialog, the accepted login with its
// subnet check, and the user's access rights.
#include "base/win/ansi_text.h"
#include "i18n/win/win_language.h"
#include "net/login_credentials.h"
#include "net/win/udp_sockets.h"
#include "settings/setting_names.h"
#include "settings/win/remembered_login.h"
#include "settings/win/settings_file.h"
#include "ui/dialogs/login_dialog.h"
#include "framework/message_box.h"
#include "ui/common/inactivity_watch.h"
#include "rules/login_rules.h"
#include "ui/main/tamsel_dlg.h"
#include "ui/network/network_door.h"

namespace {
constexpr wchar_t kAdministratorName[] = L"admin";
constexpr wchar_t kDeviceModel[] = L"QB-550";
}  // namespace

void CTamselDlg::Connect() {
  const int selection = deviceList_.GetCurSel();
  if (selection < 0) {
    ShowProgramMessage(GetSafeHwnd(), Tr(L"Select NAS"));
    return;
  }
  // The device as listed now; the window takes it only when the user confirms the login.
  const auto chosen = ChooseDeviceAt(Devices(), selection);
  userName_.clear();
  password_.clear();
  const std::wstring section = chosen ? FromDeviceText(chosen->name) : std::wstring();
  const std::wstring mac = chosen ? FromAnsi(chosen->macText) : std::wstring();

  CLoginDialog login(GetSafeHwnd());
  if (const auto remembered = section.empty() ? std::nullopt : ReadRememberedLogin(section, mac)) {
    userName_ = remembered->userName;
    password_ = remembered->password;
    login.SetValues(userName_, password_, true);
  }
  if (login.DoModal() != IDOK) return;

  Logout();
  device_ = chosen ? *chosen : ChosenDevice{};
  userName_ = login.UserName();
  password_ = login.Password();
  NetworkDoor().SetAdministratorLogin(userName_ == kAdministratorName);
  WriteSetting(kServNameSetting.section, kServNameSetting.key, section);
  if (!section.empty()) {
    if (login.Remember()) {
      RememberLogin(section, mac, {userName_, password_});
    } else {
      ForgetLogin(section, mac);
    }
  }

  // A device the list no longer holds cannot be asked.
  SetActiveRequest(chosen ? NetworkDoor().CheckLogin(GetSafeHwnd(), userName_, password_, device_) : 0);
  if (ActiveRequest() == 0) {
    ShowProgramMessage(GetSafeHwnd(), Tr(L"Login failed."));
    return;
  }
  Popup().SetDeviceLines(FromDeviceText(device_.name), FromAnsi(device_.address), FromAnsi(device_.mask),
                        FromAnsi(device_.gateway));
}

void CTamselDlg::OnLoginAccepted() {
  NetworkDoor().ClearLogin();
  const ChosenDevice& device = device_;
  const AdapterTable& adapters = SearchedAdapters();
  const bool knownAdapter = device.adapterIndex >= 0 && device.adapterIndex < adapters.count;
  const bool sameSubnet =
      knownAdapter && OnSameSubnet(adapters.rows[device.adapterIndex].address, adapters.rows[device.adapterIndex].mask,
                                   device.address, device.mask);
  if (!sameSubnet) {
    if (AdministratorLoggedIn()) {
      AskForDeviceMove();
    } else {
      ShowProgramMessage(GetSafeHwnd(), Tr(L"Not the same network segment, please administrator privileges to change "
                                           L"the ip of NAS setting."));
      Logout();
    }
    return;
  }

  LoginCredentialsRecord& credentials = Login();
  CopyAnsiToSlot(AdministratorLoggedIn() ? std::wstring(kAdministratorName) : userName_, credentials.userName,
                 sizeof credentials.userName);
  CopyAnsiToSlot(password_, credentials.password, sizeof credentials.password);
  if (AdministratorLoggedIn()) {
    SetControlState(kAdministrator);
    StartVolumeStatus();
  } else {
    SetActiveRequest(
        NetworkDoor().SendCommand(GetSafeHwnd(), device_, kGetUserAccess, GetUserAccessBody(NetworkDoor().Login())));
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
  if (!RunSettingIpDialog(device_)) return;
  ShowProgramMessage(GetSafeHwnd(), Tr(L"Setting NAS ip Sucess,Refresh ...."));
  Refresh();
}

void CTamselDlg::OfferWizardOnce() {
  std::wstring shown;
  if (ReadSetting(kFirstOpenSetting.section, kFirstOpenSetting.key, shown)) return;
  WriteSetting(kFirstOpenSetting.section, kFirstOpenSetting.key, kFirstOpenShown);
  const std::wstring user = FromAnsi(Login().userName);
  const std::wstring question =
      TrFormat(L"Welcome %s, do you want to goto the wiard to setting your %s?", user.c_str(), kDeviceModel);
  if (ShowProgramMessage(GetSafeHwnd(), question, MB_OKCANCEL) == IDOK) OpenWizard();
}

void CTamselDlg::OnUserAccess(const std::wstring& accessText) {
  ApplyControlStates(AccessControls(ToU16(accessText)));
  StartVolumeStatus();
}
