#include "ui/network/network_door.h"

#include "framework/message_box.h"
#include "net/login_credentials.h"
#include "net/device_commands.h"
#include "net/win/query.h"

namespace {

// Why a start failed is told at once, owned by the window the operation was for.
void TellOwner(HWND owner, const std::vector<std::wstring>& notices) {
  for (const std::wstring& notice : notices) ShowProgramMessage(owner, notice);
}

template <class StartingCall>
int Launch(HWND target, StartingCall start) {
  return LaunchQuery(target, start, &TellOwner);
}

// Each call allocates one CQuery for the target and hands it to its thread (LaunchQuery deletes it
// again when the start failed).
class RealNetworkDoor final : public INetworkDoor {
 public:
  int SearchDevices(HWND target) override {
    return Launch(target, [](CQuery& q) { return q.SearchDevices(); });
  }
  int CheckLogin(HWND target, const std::wstring& userName, const std::wstring& password, const ChosenDevice& device) override {
    return Launch(target, [&](CQuery& q) { return q.CheckLogin(userName, password, device); });
  }
  int SetDeviceIp(HWND target, const ChosenDevice& device, const SetIpRequest* settings) override {
    return Launch(target, [&](CQuery& q) { return q.SetDeviceIp(device, settings); });
  }
  int SendCommand(HWND target, const ChosenDevice& device, CgiCommand command,
                  const std::optional<std::string>& body) override {
    return Launch(target, [&](CQuery& q) { return q.SendCommand(device, command, body); });
  }
  int ChangePassword(HWND target, const ChosenDevice& device, const std::wstring& newPassword) override {
    return Launch(target, [&](CQuery& q) { return q.ChangePassword(device, newPassword); });
  }
  int GetShareInfo(HWND target, const ChosenDevice& device, int usbFlag) override {
    return Launch(target, [&](CQuery& q) { return q.GetShareInfo(device, usbFlag); });
  }
  int GetVolumeStatus(HWND target, const ChosenDevice& device, VolumeInfoList* first) override {
    return Launch(target, [&](CQuery& q) { return q.GetVolumeStatus(device, first); });
  }
};

RealNetworkDoor realDoor;
INetworkDoor* currentDoor = &realDoor;

}  // namespace

bool IsAdminUser = false;

NasDeviceList& INetworkDoor::Devices() { return NasDeviceList::Instance(); }
const AdapterTable& INetworkDoor::SearchedAdapters() { return Adapters(); }
ShareListRecord& INetworkDoor::Shares() { return ShareList(); }
WizardInfoRecord& INetworkDoor::DeviceSettings() { return WizardInfo(); }
LoginCredentialsRecord& INetworkDoor::Login() { return LoginCredentials(); }
void INetworkDoor::ClearLogin() { ClearLoginCredentials(); }
bool INetworkDoor::AdministratorLogin() const { return IsAdminUser; }
void INetworkDoor::SetAdministratorLogin(bool administrator) { IsAdminUser = administrator; }

INetworkDoor& NetworkDoor() { return *currentDoor; }

void SetNetworkDoor(INetworkDoor* door) { currentDoor = door ? door : &realDoor; }
