#include "ctl/device_session.h"

#include <algorithm>

#include "base/win/ansi_text.h"
#include "ctl/console.h"
#include "net/mailbox.h"
#include "net/win/query.h"

namespace {
// Eight adapters of 32 polls of 70 ms each, with room to spare.
constexpr DWORD kSearchWaitMs = 60000;
// A login check ends by itself within about 2 s (eleven polls of 70 ms and 100 ms pauses); this
// only guards against a worker that never ends.
constexpr DWORD kLoginWaitMs = 60000;
// Posted by a login check's object as it is deleted. A rejected login brings no result, only its
// notices, whose carrier the result window opens and deletes: this is the end of the operation.
constexpr UINT kOperationEnded = WM_APP + 1;

class EndNoticedQuery : public CQuery {
public:
  using CQuery::CQuery;
  ~EndNoticedQuery() override { PostMessageW(targetWindow, kOperationEnded, 0, 0); }
};

// Takes the mailbox result a 2024 message carries; nothing when it belongs to another request.
std::unique_ptr<CQuery> TakeResultOf(const MSG& msg, int token) {
  void* pointer = nullptr;
  std::uint32_t reserved = 0;
  if (!CMsg::Instance().Take(CMsg::IdFromParam(msg.lParam), pointer, reserved)) return nullptr;
  std::unique_ptr<CQuery> query(static_cast<CQuery*>(pointer));
  TellThroughUserMessages(msg.hwnd, query->notices);
  if (query->RequestToken != token) return nullptr;
  return query;
}
// The disk answer comes with the command's report, within the exchange's own limit.
constexpr DWORD kDiskInfoWaitMs = 60000;
// Every exchange ends by itself within about 25 s (101 polls of 80 ms for each of connect, send
// and receive), and the OpKind 3 commands always report.
constexpr DWORD kCommandWaitMs = 60000;
}  // namespace

std::optional<std::wstring> OptionValue(const Arguments& args, const std::wstring& name) {
  for (std::size_t i = 0; i + 1 < args.size(); ++i)
    if (args[i] == name) return args[i + 1];
  return std::nullopt;
}

bool SplitPositional(const Arguments& args, std::size_t count, Arguments& positional,
                     Arguments& options) {
  if (args.size() < count) return false;
  positional.assign(args.begin(), args.begin() + static_cast<std::ptrdiff_t>(count));
  options.assign(args.begin() + static_cast<std::ptrdiff_t>(count), args.end());
  return true;
}

bool HasFlag(const Arguments& args, const std::wstring& name) {
  return std::find(args.begin(), args.end(), name) != args.end();
}

bool ArgumentsAre(const Arguments& args, std::initializer_list<const wchar_t*> known,
                  std::initializer_list<const wchar_t*> flags) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const auto is = [&](const wchar_t* name) { return args[i] == name; };
    if (std::any_of(flags.begin(), flags.end(), is)) continue;
    if (!std::any_of(known.begin(), known.end(), is) || i + 1 >= args.size()) return false;
    ++i;
  }
  return true;
}

std::unique_ptr<CQuery> TakeMailboxResult(ResultWindow& window, int token, DWORD timeoutMs) {
  MSG msg;
  if (token == 0 || !window.WaitFor(WM_QUERY_RESULT, timeoutMs, msg)) return nullptr;
  return TakeResultOf(msg, token);
}

bool WaitForCgiDone(ResultWindow& window, int token, int cmdIndex) {
  MSG msg;
  if (token == 0) return false;
  for (;;) {
    if (!window.WaitFor(WM_CGI_DONE, kCommandWaitMs, msg)) {
      PrintError(L"the device did not answer in time");
      return false;
    }
    if (static_cast<int>(msg.lParam) != cmdIndex) continue;
    if (msg.wParam != 0) PrintError(L"the command failed");
    return msg.wParam == 0;
  }
}

bool RunSearch(ResultWindow& window) {
  const int token = LaunchQuery(window.Handle(), [](CQuery& q) { return q.SearchDevices(); });
  return TakeMailboxResult(window, token, kSearchWaitMs) != nullptr;
}

std::optional<ChosenDevice> FindDevice(ResultWindow& window, const std::wstring& name) {
  if (!RunSearch(window)) {
    PrintError(L"the search did not end");
    return std::nullopt;
  }
  const std::string wanted = ToAnsi(name);
  NasDeviceInfo device;
  for (int i = 0; NasDeviceList::Instance().CopyAt(i, device); ++i)
    if (wanted == device.name) return ChooseDeviceAt(NasDeviceList::Instance(), i);
  PrintError(L"no device named " + name + L" answered");
  return std::nullopt;
}

std::optional<DeviceLogin> LoginOptions(const Arguments& args) {
  const auto device = OptionValue(args, L"--device");
  const auto user = OptionValue(args, L"--user");
  const auto password = OptionValue(args, L"--password");
  if (!device || !user || !password) return std::nullopt;
  return DeviceLogin{*device, *user, *password};
}

bool OnlyLoginOptions(const Arguments& args) {
  return ArgumentsAre(args, {L"--device", L"--user", L"--password"});
}

std::optional<ChosenDevice> LogIn(ResultWindow& window, const DeviceLogin& login) {
  const auto device = FindDevice(window, login.device);
  if (!device) return std::nullopt;
  auto* check = new EndNoticedQuery(window.Handle());
  const int token = check->CheckLogin(login.user, login.password, *device);
  if (token == 0) {
    TellThroughUserMessages(window.Handle(), check->notices);
    delete check;
    return std::nullopt;
  }
  // A rejected login has shown its message by the time its object is gone.
  MSG msg;
  if (!window.WaitFor({WM_QUERY_RESULT, kOperationEnded}, kLoginWaitMs, msg) ||
      msg.message != WM_QUERY_RESULT || !TakeResultOf(msg, token))
    return std::nullopt;
  return device;
}

std::unique_ptr<DiskInfoResult> ReadDisks(ResultWindow& window, const ChosenDevice& device) {
  const int token =
      LaunchQuery(window.Handle(), [&](CQuery& q) { return q.SendCommand(device, kGetDiskInfo, GetDiskInfoBody()); });
  MSG msg;
  // The disks come first (2029), then the command's report (2025); a failed exchange brings only
  // the report.
  if (token == 0 || !window.WaitFor({WM_DISK_INFO, WM_CGI_DONE}, kDiskInfoWaitMs, msg)) {
    PrintError(L"the device did not answer in time");
    return nullptr;
  }
  if (msg.message != WM_DISK_INFO) {
    PrintError(L"the command failed");
    return nullptr;
  }
  std::unique_ptr<DiskInfoResult> disks(reinterpret_cast<DiskInfoResult*>(msg.wParam));
  if (!WaitForCgiDone(window, token, 9)) return nullptr;
  return disks;
}
