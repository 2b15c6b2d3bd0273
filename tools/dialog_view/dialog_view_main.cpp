// Shows one of the main window's dialogs on its own, for looking at it (not shipped):
//   drovik_dialog_view.exe settings      the settings dialog on "15 min"
//   drovik_dialog_view.exe device-ip     the device IP dialog for a static device on 198.51.100.0/24
//   drovik_dialog_view.exe login         the login dialog with a remembered user
// Nothing is sent: the dialogs are closed without OK.
#include <windows.h>

#include <cstring>
#include <string>

#include "net/nas_device.h"
#include "ui/dialogs/login_dialog.h"
#include "ui/dialogs/setting_ip_dialog.h"
#include "ui/dialogs/settings_dialog.h"
#include "framework/ui_runtime.h"

namespace {
void AddShownDevice() {
  SearchReplyFields reply{};
  std::strcpy(reply.name, "NAS-01");
  std::strcpy(reply.address, "198.51.100.7");
  std::strcpy(reply.mask, "255.255.255.0");
  std::strcpy(reply.gateway, "198.51.100.1");
  std::strcpy(reply.dhcpFlag, "0");
  NasDeviceList::Instance().Merge(reply, 0, "192.0.2.2", "255.255.255.0");
}
}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
  CUiRuntime runtime;
  const std::wstring which = commandLine ? commandLine : L"";
  if (which == L"device-ip") {
    AddShownDevice();
    CSettingIpDialog dialog(nullptr, *ChooseDeviceAt(NasDeviceList::Instance(), 0));
    dialog.DoModal();
  } else if (which == L"login") {
    CLoginDialog dialog(nullptr);
    dialog.SetValues(L"admin", L"", true);
    dialog.DoModal();
  } else {
    CSettingsDialog dialog(nullptr);
    dialog.DoModal();
  }
  return 0;
}
