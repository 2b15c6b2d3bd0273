#include "ui/main/tests/main_window_fixture.h"

#include <cstring>

#include "net/login_credentials.h"
#include "net/win/udp_sockets.h"
#include "settings/setting_names.h"
#include "settings/win/settings_file.h"
#include "ui/common/inactivity_watch.h"
#include "ui/main/shell_open.h"

using namespace std::chrono_literals;

std::vector<ShellCall> MainWindowTest::shellCalls;

namespace {
void RecordShellCall(HWND, const std::wstring& file, const std::wstring& parameters, const std::wstring& directory) {
  MainWindowTest::shellCalls.push_back({file, parameters, directory});
}

template <size_t N>
void CopyText(char (&field)[N], const char* text) {
  std::strncpy(field, text, N - 1);
  field[N - 1] = '\0';
}
}  // namespace

void MainWindowTest::SetUp() {
  ProcessSettings().Relocate(appData.Lookup());
  // The first-run prompt has its own test; the others start after it.
  WriteSetting(kFirstOpenSetting.section, kFirstOpenSetting.key, kFirstOpenShown);
  NasDeviceList::Instance().Clear();
  AdapterTable& adapters = Adapters();
  CopyText(adapters.rows[0].address, kAdapterAddress);
  CopyText(adapters.rows[0].mask, kAdapterMask);
  adapters.count = 1;
  shellCalls.clear();
  SetShellOpen(&RecordShellCall);
  IsAdminUser = false;
}

void MainWindowTest::TearDown() {
  window.DestroyWindow();
  SetShellOpen(nullptr);
  ClearLoginCredentials();
  ShareList().clear();
  ProcessSettings().Relocate(RoamingAppDataFolder);
  InactivityTimeout = 0;
}

void MainWindowTest::Open() {
  ASSERT_TRUE(window.Create());
  window.ShowWindow(SW_SHOWNOACTIVATE);
  Deliver();
}

void MainWindowTest::FinishSearch(const std::vector<FakeDevice>& devices) {
  int serial = 0;
  for (const FakeDevice& device : devices) {
    SearchReplyFields reply{};
    CopyText(reply.name, device.name);
    CopyText(reply.address, device.address);
    CopyText(reply.mask, device.mask);
    CopyText(reply.gateway, "192.0.2.1");
    CopyText(reply.dhcpFlag, "0");
    std::snprintf(reply.macText, sizeof reply.macText, "00:11:22:33:44:%02x", serial++);
    NasDeviceList::Instance().Merge(reply, 0, kAdapterAddress, kAdapterMask);
  }
  door.Finish(door.Last(DoorCall::kSearchDevices));
  Deliver();
}

void MainWindowTest::ConnectAs(const std::wstring& userName, const std::wstring& password, bool remember) {
  answerer.OnDialog(IDC_LOGIN_REMEMBER, [=](HWND dialog) {
    SetControlText(dialog, IDC_LOGIN_USER_NAME, userName);
    SetControlText(dialog, IDC_LOGIN_PASSWORD, password);
    SetControlCheck(dialog, IDC_LOGIN_REMEMBER, remember);
    ClickControl(dialog, IDC_LOGIN_OK);
  });
  window.SendMessage(WM_COMMAND, IDC_CONNECT);
}

void MainWindowTest::AcceptLogin() {
  door.Finish(door.Last(DoorCall::kCheckLogin));
  Deliver();
}

void MainWindowTest::FinishVolumeStatus(const std::vector<VolumeInfoList>& volumes) {
  door.FinishVolumeStatus(door.Last(DoorCall::kGetVolumeStatus), volumes);
  Deliver();
}

void MainWindowTest::LogInAsAdministrator() {
  Open();
  FinishSearch({{"NAS-01", "192.0.2.10"}});
  ConnectAs(L"admin", L"secret");
  AcceptLogin();
}

void MainWindowTest::Deliver() const { PumpMessages(30ms); }

std::wstring MainWindowTest::Text(int id) const {
  wchar_t text[512] = {};
  GetWindowTextW(window.GetDlgItem(id), text, 512);
  return text;
}

std::wstring MainWindowTest::Setting(const std::wstring& section, const std::wstring& key) const {
  std::wstring value = L"<absent>";
  ReadSetting(section, key, value);
  return value;
}

std::vector<std::wstring> MainWindowTest::BoxTexts() const {
  std::vector<std::wstring> texts;
  for (const AnsweredBox& box : answerer.Boxes()) texts.push_back(box.text);
  return texts;
}
