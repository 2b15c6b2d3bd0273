#include "ui/network/tests/support/fake_network_door.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "base/messages.h"
#include "net/mailbox.h"
#include "net/device_commands.h"
#include "net/win/query.h"

namespace {

struct CallShape {
  int opKind;
  int cmdIndex;
};

// What the real starting calls set in the CQuery.
CallShape ShapeOf(const DoorStart& start) {
  switch (start.call) {
    case DoorCall::kSearchDevices: return {kOpDiscovery, 0};
    case DoorCall::kCheckLogin: return {kOpLoginCheck, 0};
    case DoorCall::kSetDeviceIp: return {kOpSetIp, 0};
    case DoorCall::kChangePassword: return {kOpCgiCommand, kChangePassword};
    case DoorCall::kGetWizardInfo: return {kOpCgiCommand, kGetWizardInfo};
    case DoorCall::kSetDeviceInfo: return {kOpCgiCommand, kSetDeviceInfo};
    case DoorCall::kSetTimeZone: return {kOpCgiCommand, kSetTimeZone};
    case DoorCall::kSetNetwork: return {kOpCgiCommand, kSetNetwork};
    case DoorCall::kGetLanInfo: return {kOpCgiCommand, kGetLanInfo};
    case DoorCall::kLockSetIp: return {kOpCgiCommand, kLockSetIp};
    case DoorCall::kGetShareInfo: return {start.number == 0 ? kOpCgiCommand : kOpShareList, kGetShareInfo};
    case DoorCall::kGetDiskInfo: return {kOpCgiCommand, kGetDiskInfo};
    case DoorCall::kStopWebFileManager: return {kOpDiskStep, kStopWebFileManager};
    case DoorCall::kCreateVolume: return {kOpDiskStep, kCreateVolume};
    case DoorCall::kReadFormatState: return {kOpDiskStep, kReadFormatState};
    case DoorCall::kRemountDisk: return {kOpDiskStep, kRemountDisk};
    case DoorCall::kCheckRemountState: return {kOpDiskStep, kCheckRemountState};
    case DoorCall::kFinishFormat: return {kOpDiskStep, kFinishFormat};
    case DoorCall::kGetVolumeStatus: return {kOpVolumeStatus, kGetVolumeStatus};
    case DoorCall::kGetUserAccess: return {kOpUserAccess, kGetUserAccess};
  }
  return {0, 0};
}

}  // namespace

CFakeNetworkDoor::CFakeNetworkDoor() { SetNetworkDoor(this); }

CFakeNetworkDoor::~CFakeNetworkDoor() { SetNetworkDoor(nullptr); }

int CFakeNetworkDoor::Count(DoorCall call) const {
  return static_cast<int>(std::count_if(starts_.begin(), starts_.end(),
                                        [call](const DoorStart& start) { return start.call == call; }));
}

DoorStart CFakeNetworkDoor::Last(DoorCall call) const {
  for (auto start = starts_.rbegin(); start != starts_.rend(); ++start) {
    if (start->call == call) return *start;
  }
  ADD_FAILURE() << "no start of door call " << static_cast<int>(call);
  return DoorStart{call};
}

void CFakeNetworkDoor::FailNext(DoorCall call) { failing_.push_back(call); }

void CFakeNetworkDoor::Finish(const DoorStart& start, const std::function<void(CQuery&)>& adjust) const {
  auto* query = new CQuery(start.target);  // the window takes it out of the mailbox and deletes it
  const CallShape shape = ShapeOf(start);
  query->OpKind = shape.opKind;
  query->CmdIndex = shape.cmdIndex;
  query->deviceMac = start.device.macText;
  query->RequestToken = start.token;
  query->outputList = start.volumes;
  if (adjust) adjust(*query);
  const std::uint64_t id = CMsg::Instance().Put(query);
  PostMessageW(start.target, WM_QUERY_RESULT, 0, CMsg::ParamFromId(id));
}

void CFakeNetworkDoor::PostSearchEntry(const DoorStart& start, const SearchEntry& entry, int token) const {
  PostMessageW(start.target, WM_SEARCH_ENTRY, reinterpret_cast<WPARAM>(new SearchEntry(entry)),
               token == -1 ? start.token : token);
}

void CFakeNetworkDoor::FinishVolumeStatus(const DoorStart& start, const std::vector<VolumeInfoList>& volumes) const {
  VolumeInfoList* record = start.volumes;
  for (size_t index = 0; record && index < volumes.size(); ++index) {
    *record = volumes[index];
    record->next = index + 1 < volumes.size() ? new VolumeInfoList{} : nullptr;
    record = record->next;
  }
  Finish(start);
}

void CFakeNetworkDoor::FinishUserAccess(const DoorStart& start, const std::wstring& accessText) const {
  Finish(start, [&](CQuery& query) { query.accessText = accessText; });
}

void CFakeNetworkDoor::Post(const DoorStart& start, UINT message, WPARAM wParam, LPARAM lParam) const {
  PostMessageW(start.target, message, wParam, lParam);
}

void CFakeNetworkDoor::PostCgiDone(const DoorStart& start, bool succeeded) const {
  Post(start, WM_CGI_DONE, succeeded ? 0 : 1, ShapeOf(start).cmdIndex);
}

int CFakeNetworkDoor::Record(DoorCall call, HWND target, const ChosenDevice& device, const std::function<void(DoorStart&)>& fill) {
  DoorStart start{call};
  start.target = target;
  start.device = device;
  if (fill) fill(start);
  const auto failing = std::find(failing_.begin(), failing_.end(), call);
  if (failing != failing_.end()) {
    failing_.erase(failing);
  } else {
    start.token = ++lastToken_;
  }
  starts_.push_back(start);
  return start.token;
}

int CFakeNetworkDoor::SearchDevices(HWND target) { return Record(DoorCall::kSearchDevices, target, {}); }

int CFakeNetworkDoor::CheckLogin(HWND target, const std::wstring& userName, const std::wstring& password, const ChosenDevice& device) {
  return Record(DoorCall::kCheckLogin, target, device, [&](DoorStart& start) {
    start.userName = userName;
    start.password = password;
  });
}

int CFakeNetworkDoor::SetDeviceIp(HWND target, const ChosenDevice& device, const SetIpRequest* settings) {
  return Record(DoorCall::kSetDeviceIp, target, device, [&](DoorStart& start) {
    if (settings) start.setIp = *settings;
  });
}

int CFakeNetworkDoor::ChangePassword(HWND target, const ChosenDevice& device, const std::wstring& newPassword) {
  return Record(DoorCall::kChangePassword, target, device, [&](DoorStart& start) { start.password = newPassword; });
}

int CFakeNetworkDoor::GetWizardInfo(HWND target, const ChosenDevice& device) { return Record(DoorCall::kGetWizardInfo, target, device); }

int CFakeNetworkDoor::SetDeviceInfo(HWND target, const ChosenDevice& device, const DeviceIdentity& identity) {
  return Record(DoorCall::kSetDeviceInfo, target, device, [&](DoorStart& start) { start.identity = identity; });
}

int CFakeNetworkDoor::SetTimeZone(HWND target, const ChosenDevice& device, int timeZoneIndex) {
  return Record(DoorCall::kSetTimeZone, target, device, [&](DoorStart& start) { start.number = timeZoneIndex; });
}

int CFakeNetworkDoor::SetNetwork(HWND target, const ChosenDevice& device, const NetworkSettings& settings) {
  return Record(DoorCall::kSetNetwork, target, device, [&](DoorStart& start) { start.network = settings; });
}

int CFakeNetworkDoor::GetLanInfo(HWND target, const ChosenDevice& device) { return Record(DoorCall::kGetLanInfo, target, device); }

int CFakeNetworkDoor::LockSetIp(HWND target, const ChosenDevice& device) { return Record(DoorCall::kLockSetIp, target, device); }

int CFakeNetworkDoor::GetShareInfo(HWND target, const ChosenDevice& device, int usbFlag) {
  return Record(DoorCall::kGetShareInfo, target, device, [&](DoorStart& start) { start.number = usbFlag; });
}

int CFakeNetworkDoor::GetDiskInfo(HWND target, const ChosenDevice& device) { return Record(DoorCall::kGetDiskInfo, target, device); }

int CFakeNetworkDoor::StopWebFileManager(HWND target, const ChosenDevice& device) {
  return Record(DoorCall::kStopWebFileManager, target, device);
}

int CFakeNetworkDoor::CreateVolume(HWND target, const ChosenDevice& device, const VolumeRequest* plan) {
  return Record(DoorCall::kCreateVolume, target, device, [&](DoorStart& start) {
    for (const VolumeRequest* record = plan; record; record = record->next) {
      start.plan.push_back(*record);
      start.plan.back().next = nullptr;
    }
  });
}

int CFakeNetworkDoor::ReadFormatState(HWND target, const ChosenDevice& device) {
  return Record(DoorCall::kReadFormatState, target, device);
}

int CFakeNetworkDoor::RemountDisk(HWND target, const ChosenDevice& device) { return Record(DoorCall::kRemountDisk, target, device); }

int CFakeNetworkDoor::CheckRemountState(HWND target, const ChosenDevice& device) {
  return Record(DoorCall::kCheckRemountState, target, device);
}

int CFakeNetworkDoor::FinishFormat(HWND target, const ChosenDevice& device) { return Record(DoorCall::kFinishFormat, target, device); }

int CFakeNetworkDoor::GetVolumeStatus(HWND target, const ChosenDevice& device, VolumeInfoList* first) {
  return Record(DoorCall::kGetVolumeStatus, target, device, [&](DoorStart& start) { start.volumes = first; });
}

int CFakeNetworkDoor::GetUserAccess(HWND target, const ChosenDevice& device) { return Record(DoorCall::kGetUserAccess, target, device); }
