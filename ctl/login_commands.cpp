// drovikctl login and set-ip: the two UDP exchanges with one device.
#include <cstdio>
#include <cstring>

#include "base/win/ansi_text.h"
#include "ctl/commands.h"
#include "ctl/console.h"
#include "ctl/device_session.h"
#include "net/win/query.h"

namespace {
// 301 polls of up to 110 ms.
constexpr DWORD kSetIpWaitMs = 60000;
}  // namespace

int RunLoginCommand(const Arguments& args) {
  const auto login = LoginOptions(args);
  if (!login || !OnlyLoginOptions(args)) {
    PrintError(L"usage: drovikctl login --device NAME --user U --password P");
    return 2;
  }
  ResultWindow window;
  if (!LogIn(window, *login)) return 1;
  PrintLine("accepted");
  return 0;
}

int RunSetIpCommand(const Arguments& args) {
  const auto device = OptionValue(args, L"--device");
  const bool dhcp = HasFlag(args, L"--dhcp");
  const auto ip = OptionValue(args, L"--ip");
  const auto mask = OptionValue(args, L"--mask");
  const auto gateway = OptionValue(args, L"--gateway");
  const bool valid =
      device && ArgumentsAre(args, {L"--device", L"--ip", L"--mask", L"--gateway"}, {L"--dhcp"}) &&
      (dhcp ? !ip && !mask && !gateway : ip && mask && gateway);
  if (!valid) {
    PrintError(L"usage: drovikctl set-ip --device NAME (--dhcp | --ip A --mask M --gateway G)");
    return 2;
  }
  SetIpRequest settings;
  std::memset(&settings, 0, sizeof settings);
  std::memcpy(settings.interfaceName, "LAN1", 4);
  if (!dhcp && (!CopyAnsiToSlot(*ip, settings.address, sizeof settings.address) ||
                !CopyAnsiToSlot(*mask, settings.mask, sizeof settings.mask) ||
                !CopyAnsiToSlot(*gateway, settings.gateway, sizeof settings.gateway))) {
    PrintError(L"an address has more than 15 characters");
    return 2;
  }
  settings.dhcpFlag = dhcp ? '1' : '0';

  ResultWindow window;
  const auto chosen = FindDevice(window, *device);
  if (!chosen) return 1;
  // As the program's device IP dialog does, DHCP goes with the device's current settings rather
  // than empty ones: a device that cannot get a lease keeps something it can be reached at.
  if (dhcp) {
    std::snprintf(settings.address, sizeof settings.address, "%s", chosen->address.c_str());
    std::snprintf(settings.mask, sizeof settings.mask, "%s", chosen->mask.c_str());
    std::snprintf(settings.gateway, sizeof settings.gateway, "%s", chosen->gateway.c_str());
  }
  const int token = LaunchQuery(window.Handle(), [&](CQuery& q) {
    return q.SetDeviceIp(*chosen, &settings);
  });
  MSG msg;
  if (token == 0 || !window.WaitFor(WM_SETIP_DONE, kSetIpWaitMs, msg)) return 1;
  const bool answered = msg.wParam == 0;
  PrintLine(answered ? "answered" : "no answer");
  return answered ? 0 : 1;
}
