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
  int ChangePassword(HWND target, const ChosenDevice& device, const std::wstring& newPassword) override {
    return Launch(target, [&](CQuery& q) { return q.ChangePassword(device, newPassword); });
  }
  int GetWizardInfo(HWND target, const ChosenDevice& device) override {
    return Launch(target, [&](CQuery& q) { return q.SendCommand(device, kGetWizardInfo, GetWizardInfoBody()); });
  }
  int SetDeviceInfo(HWND target, const ChosenDevice& device, const DeviceIdentity& identity) override {
    return Launch(target,
                  [&](CQuery& q) { return q.SendCommand(device, kSetDeviceInfo, SetDeviceInfoBody(identity)); });
  }
  int SetTimeZone(HWND target, const ChosenDevice& device, int timeZoneIndex) override {
    return Launch(target,
                  [&](CQuery& q) { return q.SendCommand(device, kSetTimeZone, SetTimeZoneBody(timeZoneIndex)); });
  }
  int SetNetwork(HWND target, const ChosenDevice& device, const NetworkSettings& settings) override {
    return Launch(target, [&](CQuery& q) { return q.SendCommand(device, kSetNetwork, SetNetworkBody(settings)); });
  }
  int GetLanInfo(HWND target, const ChosenDevice& device) override {
    return Launch(target, [&](CQuery& q) { return q.SendCommand(device, kGetLanInfo, GetLanInfoBody()); });
  }
  int LockSetIp(HWND target, const ChosenDevice& device) override {
    return Launch(target, [&](CQuery& q) { return q.SendCommand(device, kLockSetIp, LockSetIpBody()); });
  }
  int GetShareInfo(HWND target, const ChosenDevice& device, int usbFlag) override {
    return Launch(target, [&](CQuery& q) { return q.GetShareInfo(device, usbFlag); });
  }
  int GetDiskInfo(HWND target, const ChosenDevice& device) override {
    return Launch(target, [&](CQuery& q) { return q.SendCommand(device, kGetDiskInfo, GetDiskInfoBody()); });
  }
  int StopWebFileManager(HWND target, const ChosenDevice& device) override {
    return Launch(target,
                  [&](CQuery& q) { return q.SendCommand(device, kStopWebFileManager, StopWebFileManagerBody()); });
  }
  int CreateVolume(HWND target, const ChosenDevice& device, const VolumeRequest* plan) override {
    return Launch(target, [&](CQuery& q) { return q.SendCommand(device, kCreateVolume, CreateVolumeBody(plan)); });
  }
  int ReadFormatState(HWND target, const ChosenDevice& device) override {
    return Launch(target, [&](CQuery& q) { return q.SendCommand(device, kReadFormatState, ReadFormatStateBody()); });
  }
  int RemountDisk(HWND target, const ChosenDevice& device) override {
    return Launch(target, [&](CQuery& q) { return q.SendCommand(device, kRemountDisk, RemountDiskBody()); });
  }
  int CheckRemountState(HWND target, const ChosenDevice& device) override {
    return Launch(target,
                  [&](CQuery& q) { return q.SendCommand(device, kCheckRemountState, CheckRemountStateBody()); });
  }
  int FinishFormat(HWND target, const ChosenDevice& device) override {
    return Launch(target, [&](CQuery& q) { return q.SendCommand(device, kFinishFormat, FinishFormatBody()); });
  }
  int GetVolumeStatus(HWND target, const ChosenDevice& device, VolumeInfoList* first) override {
    return Launch(target, [&](CQuery& q) { return q.GetVolumeStatus(device, first); });
  }
  int GetUserAccess(HWND target, const ChosenDevice& device) override {
    return Launch(target, [&](CQuery& q) {
      return q.SendCommand(device, kGetUserAccess, GetUserAccessBody(LoginCredentials()));
    });
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
