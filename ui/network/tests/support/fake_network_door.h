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
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "net/answer_records.h"
#include "net/chosen_device.h"
#include "net/device_commands.h"
#include "net/login_datagram.h"
#include "net/search_report.h"
#include "ui/network/network_door.h"

class CQuery;

// The door's calls; every device command without a call of its own is a kSendCommand.
enum class DoorCall {
  kSearchDevices,
  kCheckLogin,
  kSetDeviceIp,
  kSendCommand,
  kChangePassword,
  kGetShareInfo,
  kGetVolumeStatus,
};

// Which starts a test asks about: those of a door call, or those of one device command sent
// through SendCommand (door.Last(kSetTimeZone)).
struct DoorKey {
  DoorKey(DoorCall call) : call(call) {}
  DoorKey(CgiCommand command) : call(DoorCall::kSendCommand), command(command) {}
  DoorCall call;
  int command = 0;
};

// One start as the window asked for it. Only the fields of its call are filled.
struct DoorStart {
  DoorCall call;
  HWND target = nullptr;
  int token = 0;  // 0: the test made this start fail
  ChosenDevice device{};  // the device the call went to
  std::wstring userName{};  // CheckLogin
  std::wstring password{};  // CheckLogin; ChangePassword's new password
  int number = 0;           // GetShareInfo's usb flag
  SetIpRequest setIp{};     // a copy of what the caller handed over
  VolumeInfoList* volumes = nullptr;  // GetVolumeStatus: the caller's first record
  int command = 0;                    // SendCommand: the command's index and its body
  std::optional<std::string> body{};

  // The value of a field of the body as the device reads it (unescaped); nothing when the body
  // has no such field.
  std::optional<std::string> Field(std::string_view key) const;
  // The records of a CreateVolume plan read back from its body, unlinked.
  std::vector<VolumeRequest> Plan() const;
};

class CFakeNetworkDoor final : public INetworkDoor {
 public:
  // Takes the real door's place for the object's life.
  CFakeNetworkDoor();
  ~CFakeNetworkDoor() override;
  CFakeNetworkDoor(const CFakeNetworkDoor&) = delete;
  CFakeNetworkDoor& operator=(const CFakeNetworkDoor&) = delete;

  const std::vector<DoorStart>& Starts() const { return starts_; }
  int Count(DoorKey key) const;
  // The latest start of `key`; the test fails (and gets an empty record) when there was none.
  DoorStart Last(DoorKey key) const;
  // The next start of `key` fails (returns 0).
  void FailNext(DoorKey key);
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
  int SendCommand(HWND target, const ChosenDevice& device, CgiCommand command,
                  const std::optional<std::string>& body) override;
  int ChangePassword(HWND target, const ChosenDevice& device, const std::wstring& newPassword) override;
  int GetShareInfo(HWND target, const ChosenDevice& device, int usbFlag) override;
  int GetVolumeStatus(HWND target, const ChosenDevice& device, VolumeInfoList* first) override;

 private:
  // Records a start of `call` for `target` and `device`; `fill` adds the call's own values.
  int Record(DoorCall call, HWND target, const ChosenDevice& device, const std::function<void(DoorStart&)>& fill = {});
  static bool Matches(const DoorStart& start, DoorKey key);

  std::vector<DoorStart> starts_;
  std::vector<DoorKey> failing_;
  int lastToken_ = 0;
};
