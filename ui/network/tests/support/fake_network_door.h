// A network door for window tests: it starts nothing, records every start (which call, with what,
// for which window) and hands out tokens; the test then completes an operation the way the worker
// would - a CQuery put into the mailbox and WM_QUERY_RESULT posted, or a message by value - and
// pumps messages for the window to react.
//
//   CFakeNetworkDoor door;                      // installed until it goes out of scope
//   window.Create();                            // the window starts a search at start-up
//   const DoorStart search = door.Last(DoorCall::kSearchDevices);
//   AddFakeDevice(...);                         // whatever the records should hold
//   door.Finish(search);                        // 2024 with the search's token
//   PumpMessages(50ms);
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "net/answer_records.h"
#include "net/chosen_device.h"
#include "net/device_commands.h"
#include "net/login_datagram.h"
#include "net/search_report.h"
#include "ui/network/network_door.h"

class CQuery;

enum class DoorCall {
  kSearchDevices,
  kCheckLogin,
  kSetDeviceIp,
  kChangePassword,
  kGetWizardInfo,
  kSetDeviceInfo,
  kSetTimeZone,
  kSetNetwork,
  kGetLanInfo,
  kLockSetIp,
  kGetShareInfo,
  kGetDiskInfo,
  kStopWebFileManager,
  kCreateVolume,
  kReadFormatState,
  kRemountDisk,
  kCheckRemountState,
  kFinishFormat,
  kGetVolumeStatus,
  kGetUserAccess,
};

// One start as the window asked for it. Only the fields of its call are filled.
struct DoorStart {
  DoorCall call;
  HWND target = nullptr;
  int token = 0;  // 0: the test made this start fail
  ChosenDevice device{};  // the device the call went to
  std::wstring userName{};  // CheckLogin
  std::wstring password{};  // CheckLogin; ChangePassword's new password
  int number = 0;           // GetShareInfo's usb flag, SetTimeZone's zone index
  SetIpRequest setIp{};     // copies of what the caller handed over
  DeviceIdentity identity{};
  NetworkSettings network{};
  std::vector<VolumeRequest> plan{};  // every record of a CreateVolume plan, unlinked
  VolumeInfoList* volumes = nullptr;  // GetVolumeStatus: the caller's first record
};

class CFakeNetworkDoor final : public INetworkDoor {
 public:
  // Takes the real door's place for the object's life.
  CFakeNetworkDoor();
  ~CFakeNetworkDoor() override;
  CFakeNetworkDoor(const CFakeNetworkDoor&) = delete;
  CFakeNetworkDoor& operator=(const CFakeNetworkDoor&) = delete;

  const std::vector<DoorStart>& Starts() const { return starts_; }
  int Count(DoorCall call) const;
  // The latest start of `call`; the test fails (and gets an empty record) when there was none.
  DoorStart Last(DoorCall call) const;
  // The next start of `call` fails (returns 0).
  void FailNext(DoorCall call);
  void Forget() { starts_.clear(); }

  // Mailbox results: a CQuery with the start's kind, command index and token (`adjust` may change
  // it, e.g. another token) is stored and WM_QUERY_RESULT posted to the start's window.
  void Finish(const DoorStart& start, const std::function<void(CQuery&)>& adjust = {}) const;
  // GetVolumeStatus: fills the caller's records with `volumes` (further ones linked after the first,
  // as the device's answer does), then finishes.
  void FinishVolumeStatus(const DoorStart& start, const std::vector<VolumeInfoList>& volumes) const;
  // GetUserAccess with the device's access text.
  void FinishUserAccess(const DoorStart& start, const std::wstring& accessText) const;

  // A device a search lists while it still listens, posted under the start's token (or `token`).
  void PostSearchEntry(const DoorStart& start, const SearchEntry& entry, int token = -1) const;

  // Results by value, posted to the start's window.
  void Post(const DoorStart& start, UINT message, WPARAM wParam, LPARAM lParam) const;
  // WM_CGI_DONE for the start's command.
  void PostCgiDone(const DoorStart& start, bool succeeded) const;

  // INetworkDoor
  int SearchDevices(HWND target) override;
  int CheckLogin(HWND target, const std::wstring& userName, const std::wstring& password, const ChosenDevice& device) override;
  int SetDeviceIp(HWND target, const ChosenDevice& device, const SetIpRequest* settings) override;
  int ChangePassword(HWND target, const ChosenDevice& device, const std::wstring& newPassword) override;
  int GetWizardInfo(HWND target, const ChosenDevice& device) override;
  int SetDeviceInfo(HWND target, const ChosenDevice& device, const DeviceIdentity& identity) override;
  int SetTimeZone(HWND target, const ChosenDevice& device, int timeZoneIndex) override;
  int SetNetwork(HWND target, const ChosenDevice& device, const NetworkSettings& settings) override;
  int GetLanInfo(HWND target, const ChosenDevice& device) override;
  int LockSetIp(HWND target, const ChosenDevice& device) override;
  int GetShareInfo(HWND target, const ChosenDevice& device, int usbFlag) override;
  int GetDiskInfo(HWND target, const ChosenDevice& device) override;
  int StopWebFileManager(HWND target, const ChosenDevice& device) override;
  int CreateVolume(HWND target, const ChosenDevice& device, const VolumeRequest* plan) override;
  int ReadFormatState(HWND target, const ChosenDevice& device) override;
  int RemountDisk(HWND target, const ChosenDevice& device) override;
  int CheckRemountState(HWND target, const ChosenDevice& device) override;
  int FinishFormat(HWND target, const ChosenDevice& device) override;
  int GetVolumeStatus(HWND target, const ChosenDevice& device, VolumeInfoList* first) override;
  int GetUserAccess(HWND target, const ChosenDevice& device) override;

 private:
  // Records a start of `call` for `target` and `device`; `fill` adds the call's own values.
  int Record(DoorCall call, HWND target, const ChosenDevice& device, const std::function<void(DoorStart&)>& fill = {});

  std::vector<DoorStart> starts_;
  std::vector<DoorCall> failing_;
  int lastToken_ = 0;
};
