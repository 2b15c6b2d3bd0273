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
    case DoorCall::kSendCommand: {
      const DeviceCommand* command = FindDeviceCommand(start.command);
      return {command ? command->kind : kOpNone, start.command};
    }
    case DoorCall::kChangePassword: return {kOpCgiCommand, kChangePassword};
    case DoorCall::kGetShareInfo: return {start.number == 0 ? kOpCgiCommand : kOpShareList, kGetShareInfo};
    case DoorCall::kGetVolumeStatus: return {kOpVolumeStatus, kGetVolumeStatus};
  }
  return {0, 0};
}

// A form value as the device reads it: %26, %3D, %25 and %2B back to their characters.
std::string Unescaped(std::string_view value) {
  std::string text;
  for (std::size_t at = 0; at < value.size(); ++at) {
    if (value[at] == '%' && at + 2 < value.size()) {
      text += static_cast<char>(std::stoi(std::string(value.substr(at + 1, 2)), nullptr, 16));
      at += 2;
    } else {
      text += value[at];
    }
  }
  return text;
}

std::vector<std::string> SplitAt(std::string_view text, char separator) {
  std::vector<std::string> parts;
  std::size_t from = 0;
  for (std::size_t at; (at = text.find(separator, from)) != std::string_view::npos; from = at + 1)
    parts.emplace_back(text.substr(from, at - from));
  parts.emplace_back(text.substr(from));
  return parts;
}

template <std::size_t N>
void CopyInto(const std::string& text, char (&field)[N]) {
  text.copy(field, N - 1);
}

}  // namespace

CFakeNetworkDoor::CFakeNetworkDoor() { SetNetworkDoor(this); }

CFakeNetworkDoor::~CFakeNetworkDoor() { SetNetworkDoor(nullptr); }

std::optional<std::string> DoorStart::Field(std::string_view key) const {
  if (!body) return std::nullopt;
  for (const std::string& pair : SplitAt(*body, '&')) {
    const std::size_t equals = pair.find('=');
    if (equals != std::string::npos && pair.substr(0, equals) == key) return Unescaped(pair.substr(equals + 1));
  }
  return std::nullopt;
}

std::vector<VolumeRequest> DoorStart::Plan() const {
  constexpr std::size_t kValuesPerRecord = 15;
  std::vector<VolumeRequest> plan;
  const auto text = Field("f_create_volume_info");
  if (!text) return plan;
  const std::vector<std::string> values = SplitAt(*text, ',');
  for (std::size_t first = 0; first + kValuesPerRecord <= values.size(); first += kValuesPerRecord) {
    VolumeRequest record{};
    record.autoSync = std::stoi(Field("f_auto_sync").value_or("0"));
    record.volumeNumber = std::stoi(values[first]);
    CopyInto(values[first + 1], record.level);
    CopyInto(values[first + 2], record.fileSystem);
    record.sizeGiB = std::stoi(values[first + 3]);
    CopyInto(values[first + 4], record.disks);
    record.spare = std::stoi(values[first + 6]);
    record.equal = std::stoi(values[first + 11]);
    plan.push_back(record);
  }
  return plan;
}

bool CFakeNetworkDoor::Matches(const DoorStart& start, DoorKey key) {
  return start.call == key.call && (key.call != DoorCall::kSendCommand || start.command == key.command);
}

int CFakeNetworkDoor::Count(DoorKey key) const {
  return static_cast<int>(
      std::count_if(starts_.begin(), starts_.end(), [key](const DoorStart& start) { return Matches(start, key); }));
}

DoorStart CFakeNetworkDoor::Last(DoorKey key) const {
  for (auto start = starts_.rbegin(); start != starts_.rend(); ++start) {
    if (Matches(*start, key)) return *start;
  }
  ADD_FAILURE() << "no start of door call " << static_cast<int>(key.call) << " (command " << key.command << ")";
  DoorStart none{key.call};
  none.command = key.command;
  return none;
}

void CFakeNetworkDoor::FailNext(DoorKey key) { failing_.push_back(key); }

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
  const auto failing =
      std::find_if(failing_.begin(), failing_.end(), [&](DoorKey key) { return Matches(start, key); });
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

int CFakeNetworkDoor::SendCommand(HWND target, const ChosenDevice& device, CgiCommand command,
                                   const std::optional<std::string>& body) {
  return Record(DoorCall::kSendCommand, target, device, [&](DoorStart& start) {
    start.command = command;
    start.body = body;
  });
}

int CFakeNetworkDoor::ChangePassword(HWND target, const ChosenDevice& device, const std::wstring& newPassword) {
  return Record(DoorCall::kChangePassword, target, device, [&](DoorStart& start) { start.password = newPassword; });
}

int CFakeNetworkDoor::GetShareInfo(HWND target, const ChosenDevice& device, int usbFlag) {
  return Record(DoorCall::kGetShareInfo, target, device, [&](DoorStart& start) { start.number = usbFlag; });
}

int CFakeNetworkDoor::GetVolumeStatus(HWND target, const ChosenDevice& device, VolumeInfoList* first) {
  return Record(DoorCall::kGetVolumeStatus, target, device, [&](DoorStart& start) { start.volumes = first; });
}
