// drovikctl commands that change a device's settings over HTTP. Each logs in first.
//
// How long they wait: every exchange ends by itself within about 25 s (101 polls of 80 ms for each
// of connect, send and receive), and OpKind 3 commands always report; the tool gives up after 60 s.
#include <string>

#include "ctl/commands.h"
#include "ctl/console.h"
#include "ctl/device_session.h"
#include "net/query.h"

namespace {

constexpr DWORD kCommandWaitMs = 60000;

// Waits for the 2025 report of a command; true when the exchange succeeded.
bool CommandSucceeded(ResultWindow& window, int token, int cmdIndex) {
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

}  // namespace

int RunSetTimeZoneCommand(const Arguments& args) {
  const auto login = LoginOptions(args);
  if (!login || args.empty() || !ArgumentsAre(Arguments(args.begin() + 1, args.end()),
                                               {L"--device", L"--user", L"--password"})) {
    PrintError(L"usage: drovikctl set-timezone N --device NAME --user U --password P");
    return 2;
  }
  int zone = 0;
  try {
    std::size_t used = 0;
    zone = std::stoi(args[0], &used);
    if (used != args[0].size()) throw std::invalid_argument("trailing text");
  } catch (const std::exception&) {
    PrintError(L"the time zone is a number");
    return 2;
  }
  ResultWindow window;
  const auto device = LogIn(window, *login);
  if (!device) return 1;
  const int token = LaunchQuery(window.Handle(), [&](CQuery& q) { return q.SetTimeZone(*device, zone); });
  return CommandSucceeded(window, token, 4) ? 0 : 1;
}
