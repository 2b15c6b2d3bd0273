#include "ui/network/network_door.h"

#include "net/win/query.h"

namespace {

// Each call allocates one CQuery for the target and hands it to its thread (LaunchQuery deletes it
// again when the start failed).
class RealNetworkDoor final : public INetworkDoor {
 public:
  int SearchDevices(HWND target) override {
    return LaunchQuery(target, [](CQuery& q) { return q.SearchDevices(); });
  }
  int CheckLogin(HWND target, const std::wstring& userName, const std::wstring& password, int device) override {
    return LaunchQuery(target, [&](CQuery& q) { return q.CheckLogin(userName, password, device); });
  }
  int SetDeviceIp(HWND target, int device, const SetIpRequest* settings) override {
    return LaunchQuery(target, [&](CQuery& q) { return q.SetDeviceIp(device, settings); });
  }
  int ChangePassword(HWND target, int device, const std::wstring& newPassword) override {
    return LaunchQuery(target, [&](CQuery& q) { return q.ChangePassword(device, newPassword); });
  }
  int GetWizardInfo(HWND target, int device) override {
    return LaunchQuery(target, [&](CQuery& q) { return q.GetWizardInfo(device); });
  }
  int SetDeviceInfo(HWND target, int device, const DeviceIdentity& identity) override {
    return LaunchQuery(target, [&](CQuery& q) { return q.SetDeviceInfo(device, identity); });
  }
  int SetTimeZone(HWND target, int device, int timeZoneIndex) override {
    return LaunchQuery(target, [&](CQuery& q) { return q.SetTimeZone(device, timeZoneIndex); });
  }
  int SetNetwork(HWND target, int device, const NetworkSettings& settings) override {
    return LaunchQuery(target, [&](CQuery& q) { return q.SetNetwork(device, settings); });
  }
  int GetLanInfo(HWND target, int device) override {
    return LaunchQuery(target, [&](CQuery& q) { return q.GetLanInfo(device); });
  }
  int LockSetIp(HWND target, int device) override {
    return LaunchQuery(target, [&](CQuery& q) { return q.LockSetIp(device); });
  }
  int GetShareInfo(HWND target, int device, int usbFlag) override {
    return LaunchQuery(target, [&](CQuery& q) { return q.GetShareInfo(device, usbFlag); });
  }
  int GetDiskInfo(HWND target, int device) override {
    return LaunchQuery(target, [&](CQuery& q) { return q.GetDiskInfo(device); });
  }
  int StopWebFileManager(HWND target, int device) override {
    return LaunchQuery(target, [&](CQuery& q) { return q.StopWebFileManager(device); });
  }
  int CreateVolume(HWND target, int device, const VolumeRequest* plan) override {
    return LaunchQuery(target, [&](CQuery& q) { return q.CreateVolume(device, plan); });
  }
  int ReadFormatState(HWND target, int device) override {
    return LaunchQuery(target, [&](CQuery& q) { return q.ReadFormatState(device); });
  }
  int RemountDisk(HWND target, int device) override {
    return LaunchQuery(target, [&](CQuery& q) { return q.RemountDisk(device); });
  }
  int CheckRemountState(HWND target, int device) override {
    return LaunchQuery(target, [&](CQuery& q) { return q.CheckRemountState(device); });
  }
  int FinishFormat(HWND target, int device) override {
    return LaunchQuery(target, [&](CQuery& q) { return q.FinishFormat(device); });
  }
  int GetVolumeStatus(HWND target, int device, VolumeInfoList* first) override {
    return LaunchQuery(target, [&](CQuery& q) { return q.GetVolumeStatus(device, first); });
  }
  int GetUserAccess(HWND target, int device) override {
    return LaunchQuery(target, [&](CQuery& q) { return q.GetUserAccess(device); });
  }
};

RealNetworkDoor realDoor;
INetworkDoor* currentDoor = &realDoor;

}  // namespace

INetworkDoor& NetworkDoor() { return *currentDoor; }

void SetNetworkDoor(INetworkDoor* door) { currentDoor = door ? door : &realDoor; }
