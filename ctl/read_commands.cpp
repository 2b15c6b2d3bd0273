// drovikctl commands that print what the device reports, one record per line, tab-separated.
// Each logs in first. Commands reported through 2025 wait up to 60 s; the volume and access
// answers report only when they arrive, so those wait 30 s and then say the device did not answer.
#include <memory>
#include <string>

#include "base/win/ansi_text.h"
#include "ctl/commands.h"
#include "ctl/console.h"
#include "ctl/device_session.h"
#include "ctl/text/field_line.h"
#include "net/answer_records.h"

namespace {

constexpr DWORD kMailboxWaitMs = 30000;

// Logs in with the command's options; the device, or nothing after a usage message.
std::optional<ChosenDevice> LogInFor(ResultWindow& window, const Arguments& args, const wchar_t* usage) {
  const auto login = OnlyLoginOptions(args) ? LoginOptions(args) : std::nullopt;
  if (!login) {
    PrintError(std::wstring(L"usage: drovikctl ") + usage + L" --device NAME --user U --password P");
    return std::nullopt;
  }
  return LogIn(window, *login);
}

int NoAnswer() {
  PrintError(L"the device did not answer in time");
  return 1;
}

}  // namespace

int RunInfoCommand(const Arguments& args) {
  ResultWindow window;
  const auto device = LogInFor(window, args, L"info");
  if (!device) return 1;
  const int token = LaunchQuery(window.Handle(), [&](CQuery& q) { return q.GetWizardInfo(*device); });
  if (!WaitForCgiDone(window, token, 2)) return 1;
  const WizardInfoRecord& info = WizardInfo();
  PrintLine(JoinFields({info.lan.address, info.lan.mask, info.lan.gateway, std::to_string(info.dhcpFlag),
                    info.dns1, info.dns2, info.hostName, info.workgroup, info.description,
                    std::to_string(info.timeZoneIndex)}));
  return 0;
}

int RunVolumesCommand(const Arguments& args) {
  ResultWindow window;
  const auto device = LogInFor(window, args, L"volumes");
  if (!device) return 1;
  VolumeInfoList first{};
  const int token = LaunchQuery(window.Handle(), [&](CQuery& q) { return q.GetVolumeStatus(*device, &first); });
  if (!TakeMailboxResult(window, token, kMailboxWaitMs)) return NoAnswer();
  for (const VolumeInfoList* v = &first; v; v = v->next)
    PrintLine(JoinFields({std::to_string(v->volume), std::to_string(v->totalSize >> 20), std::to_string(v->usedSize >> 20)}));
  FreeVolumeInfoTail(first);
  return 0;
}

int RunDisksCommand(const Arguments& args) {
  ResultWindow window;
  const auto device = LogInFor(window, args, L"disks");
  if (!device) return 1;
  const std::unique_ptr<DiskInfoResult> disks = ReadDisks(window, *device);
  if (!disks) return 1;
  PrintLine(std::to_string(disks->diskCount));
  if (disks->diskCount >= 1) PrintLine(JoinFields({disks->firstName, std::to_string(disks->firstSizeGiB)}));
  if (disks->diskCount >= 2) PrintLine(JoinFields({disks->secondName, std::to_string(disks->secondSizeGiB)}));
  return 0;
}

int RunSharesCommand(const Arguments& args) {
  ResultWindow window;
  const auto device = LogInFor(window, args, L"shares");
  if (!device) return 1;
  ShareList().clear();
  const int token = LaunchQuery(window.Handle(), [&](CQuery& q) { return q.GetShareInfo(*device, 0); });
  if (!WaitForCgiDone(window, token, 8)) return 1;
  for (const ShareEntry& share : ShareList()) PrintLine(ToUtf8(ToWide(share.name)));
  return 0;
}

int RunAccessCommand(const Arguments& args) {
  ResultWindow window;
  const auto device = LogInFor(window, args, L"access");
  if (!device) return 1;
  const int token = LaunchQuery(window.Handle(), [&](CQuery& q) { return q.GetUserAccess(*device); });
  const std::unique_ptr<CQuery> done = TakeMailboxResult(window, token, kMailboxWaitMs);
  if (!done) return NoAnswer();
  PrintLine(ToUtf8(done->accessText));
  return 0;
}
