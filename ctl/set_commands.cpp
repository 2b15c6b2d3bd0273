// drovikctl commands that change a device's settings over HTTP. Each logs in first and waits for
// the command's 2025 report (at most 60 s; the exchange itself gives up within about 25 s).
#include <cstring>
#include <string>

#include "base/win/ansi_text.h"
#include "ctl/commands.h"
#include "ctl/console.h"
#include "ctl/device_session.h"
#include "net/login_credentials.h"

namespace {

}  // namespace

int RunSetTimeZoneCommand(const Arguments& args) {
  Arguments value, options;
  const bool shaped = SplitPositional(args, 1, value, options) && OnlyLoginOptions(options);
  const auto login = shaped ? LoginOptions(options) : std::nullopt;
  int zone = 0;
  std::size_t used = 0;
  try {
    if (login) zone = std::stoi(value[0], &used);
  } catch (const std::exception&) {
  }
  if (!login || used == 0 || used != value[0].size()) {
    PrintError(L"usage: drovikctl set-timezone N --device NAME --user U --password P");
    return 2;
  }
  ResultWindow window;
  const auto device = LogIn(window, *login);
  if (!device) return 1;
  const int token = LaunchQuery(window.Handle(),
                                [&](CQuery& q) { return q.SendCommand(*device, kSetTimeZone, SetTimeZoneBody(zone)); });
  return WaitForCgiDone(window, token, 4) ? 0 : 1;
}

int RunPasswdCommand(const Arguments& args) {
  Arguments value, options;
  const bool shaped = SplitPositional(args, 1, value, options) && OnlyLoginOptions(options);
  const auto login = shaped ? LoginOptions(options) : std::nullopt;
  if (!login) {
    PrintError(L"usage: drovikctl passwd NEW --device NAME --user U --password P");
    return 2;
  }
  ResultWindow window;
  const auto device = LogIn(window, *login);
  if (!device) return 1;
  const std::wstring& newPassword = value[0];
  const int token =
      LaunchQuery(window.Handle(), [&](CQuery& q) { return q.ChangePassword(*device, newPassword); });
  if (!WaitForCgiDone(window, token, 1)) return 1;
  // The device's status answer makes the new password the logged-in one only when it took it.
  if (ToAnsi(newPassword) != LoginCredentials().password) {
    PrintError(L"the device kept the old password");
    return 1;
  }
  return 0;
}

int RunSetNameCommand(const Arguments& args) {
  const bool shaped = ArgumentsAre(
      args, {L"--device", L"--user", L"--password", L"--name", L"--workgroup", L"--description"});
  const auto login = shaped ? LoginOptions(args) : std::nullopt;
  const auto name = OptionValue(args, L"--name");
  const auto workgroup = OptionValue(args, L"--workgroup");
  const auto description = OptionValue(args, L"--description");
  if (!login || !name || !workgroup || !description) {
    PrintError(L"usage: drovikctl set-name --name N --workgroup W --description D --device NAME "
               L"--user U --password P");
    return 2;
  }
  DeviceIdentity identity;
  if (!CopyAnsiToSlot(*name, identity.hostName, sizeof identity.hostName) ||
      !CopyAnsiToSlot(*workgroup, identity.workgroup, sizeof identity.workgroup) ||
      !CopyAnsiToSlot(*description, identity.description, sizeof identity.description)) {
    PrintError(L"name and workgroup hold at most 15 bytes, the description 30");
    return 2;
  }
  ResultWindow window;
  const auto device = LogIn(window, *login);
  if (!device) return 1;
  const int token = LaunchQuery(
      window.Handle(), [&](CQuery& q) { return q.SendCommand(*device, kSetDeviceInfo, SetDeviceInfoBody(identity)); });
  return WaitForCgiDone(window, token, 3) ? 0 : 1;
}

int RunSetNetworkCommand(const Arguments& args) {
  const bool dhcp = HasFlag(args, L"--dhcp");
  const bool shaped = ArgumentsAre(args, {L"--device", L"--user", L"--password", L"--ip", L"--mask",
                                          L"--gateway", L"--dns1", L"--dns2"},
                                   {L"--dhcp"});
  const auto login = shaped ? LoginOptions(args) : std::nullopt;
  const auto ip = OptionValue(args, L"--ip");
  const auto mask = OptionValue(args, L"--mask");
  const auto gateway = OptionValue(args, L"--gateway");
  if (!login || (dhcp ? (ip || mask || gateway) : !(ip && mask && gateway))) {
    PrintError(L"usage: drovikctl set-network (--dhcp | --ip A --mask M --gateway G [--dns1 D] "
               L"[--dns2 D]) --device NAME --user U --password P");
    return 2;
  }
  NetworkSettings settings;
  std::memset(&settings, 0, sizeof settings);
  settings.dhcpFlag = dhcp ? 1 : 0;
  bool fits = true;
  const auto put = [&](const wchar_t* option, char* slot) {
    if (const auto value = OptionValue(args, option)) fits = CopyAnsiToSlot(*value, slot, 16) && fits;
  };
  put(L"--ip", settings.address);
  put(L"--mask", settings.mask);
  put(L"--gateway", settings.gateway);
  put(L"--dns1", settings.dns1);
  put(L"--dns2", settings.dns2);
  if (!fits) {
    PrintError(L"an address has more than 15 characters");
    return 2;
  }
  ResultWindow window;
  const auto device = LogIn(window, *login);
  if (!device) return 1;
  const int lock =
      LaunchQuery(window.Handle(), [&](CQuery& q) { return q.SendCommand(*device, kLockSetIp, LockSetIpBody()); });
  if (!WaitForCgiDone(window, lock, 7)) return 1;
  const int token = LaunchQuery(
      window.Handle(), [&](CQuery& q) { return q.SendCommand(*device, kSetNetwork, SetNetworkBody(settings)); });
  return WaitForCgiDone(window, token, 5) ? 0 : 1;
}
