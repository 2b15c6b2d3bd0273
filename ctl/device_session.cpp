#include "ctl/device_session.h"

#include <algorithm>

#include "ctl/console.h"
#include "net/ansi_text.h"
#include "net/mailbox.h"
#include "net/query.h"

namespace {
// Eight adapters of 32 polls of 70 ms each, with room to spare.
constexpr DWORD kSearchWaitMs = 60000;
}  // namespace

std::optional<std::wstring> OptionValue(const Arguments& args, const std::wstring& name) {
  for (std::size_t i = 0; i + 1 < args.size(); ++i)
    if (args[i] == name) return args[i + 1];
  return std::nullopt;
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

bool TakeMailboxResult(ResultWindow& window, int token, DWORD timeoutMs) {
  MSG msg;
  if (token == 0 || !window.WaitFor(WM_QUERY_RESULT, timeoutMs, msg)) return false;
  void* pointer = nullptr;
  std::uint32_t reserved = 0;
  if (!CMsg::Instance().Take(CMsg::IdFromParam(msg.lParam), pointer, reserved)) return false;
  auto* query = static_cast<CQuery*>(pointer);
  const bool ours = query->RequestToken == token;
  delete query;
  return ours;
}

bool RunSearch(ResultWindow& window) {
  const int token = LaunchQuery(window.Handle(), [](CQuery& q) { return q.SearchDevices(); });
  return TakeMailboxResult(window, token, kSearchWaitMs);
}

std::optional<int> FindDevice(ResultWindow& window, const std::wstring& name) {
  if (!RunSearch(window)) {
    PrintError(L"the search did not end");
    return std::nullopt;
  }
  const std::string wanted = ToAnsi(name);
  NasDeviceInfo device;
  for (int i = 0; NasDeviceList::Instance().CopyAt(i, device); ++i)
    if (wanted == device.name) return i;
  PrintError(L"no device named " + name + L" answered");
  return std::nullopt;
}
