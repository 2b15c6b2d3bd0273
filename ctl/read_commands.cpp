// drovikctl commands that print what the device reports, one record per line, tab-separated, or
// with --json as one JSON document with the same fields.
// Each logs in first. Commands reported through 2025 wait up to 60 s; the volume read reports its
// answer or its failure, the access answer only when it arrives, so those wait 30 s and then say
// the device did not answer.
#include <memory>
#include <string>
#include <vector>

#include "base/win/ansi_text.h"
#include "ctl/commands.h"
#include "ctl/console.h"
#include "ctl/device_session.h"
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
  const int token = LaunchQuery(window.Handle(),
                                [&](CQuery& q) { return q.SendCommand(*device, kGetWizardInfo, GetWizardInfoBody()); });
  if (!WaitForCgiDone(window, token, 2)) return 1;
  const WizardInfoRecord& info = WizardInfo();
  PrintRecord({DeviceField("address", info.lan.address), DeviceField("mask", info.lan.mask),
               DeviceField("gateway", info.lan.gateway), NumberField("dhcp", info.dhcpFlag),
               DeviceField("dns1", info.dns1), DeviceField("dns2", info.dns2),
               DeviceField("name", info.hostName), DeviceField("workgroup", info.workgroup),
               DeviceField("description", info.description),
               NumberField("timeZone", info.timeZoneIndex)});
  return 0;
}

int RunVolumesCommand(const Arguments& args) {
  ResultWindow window;
  const auto device = LogInFor(window, args, L"volumes");
  if (!device) return 1;
  VolumeInfoList first{};
  const int token = LaunchQuery(window.Handle(), [&](CQuery& q) { return q.GetVolumeStatus(*device, &first); });
  const std::unique_ptr<CQuery> done = TakeMailboxResult(window, token, kMailboxWaitMs);
  if (!done) return NoAnswer();
  if (done->readFailed) {
    FreeVolumeInfoTail(first);
    PrintError(done->deviceStatus ? L"the command failed (HTTP " + std::to_wstring(done->deviceStatus) + L")"
                                  : std::wstring(L"the command failed"));
    return 1;
  }
  // The list ends at a record without a volume, as the main window's panels do.
  std::vector<Record> volumes;
  for (const VolumeInfoList* v = &first; v && v->volume != 0; v = v->next)
    volumes.push_back({NumberField("volume", v->volume), NumberField("totalGB", v->totalSize >> 20),
                       NumberField("usedGB", v->usedSize >> 20)});
  FreeVolumeInfoTail(first);
  PrintRecords(volumes);
  return 0;
}

int RunDisksCommand(const Arguments& args) {
  ResultWindow window;
  const auto device = LogInFor(window, args, L"disks");
  if (!device) return 1;
  const std::unique_ptr<DiskInfoResult> disks = ReadDisks(window, *device);
  if (!disks) return 1;
  std::vector<Record> listed;
  if (disks->diskCount >= 1)
    listed.push_back({DeviceField("name", disks->firstName), NumberField("sizeGB", disks->firstSizeGiB)});
  if (disks->diskCount >= 2)
    listed.push_back({DeviceField("name", disks->secondName), NumberField("sizeGB", disks->secondSizeGiB)});
  if (JsonOutput()) {
    PrintLine("{\"count\":" + std::to_string(disks->diskCount) + ",\"disks\":" + RecordsJson(listed) + "}");
    return 0;
  }
  PrintLine(std::to_string(disks->diskCount));
  PrintRecords(listed);
  return 0;
}

int RunSharesCommand(const Arguments& args) {
  ResultWindow window;
  const auto device = LogInFor(window, args, L"shares");
  if (!device) return 1;
  ShareList().clear();
  const int token = LaunchQuery(window.Handle(), [&](CQuery& q) { return q.GetShareInfo(*device, 0); });
  if (!WaitForCgiDone(window, token, 8)) return 1;
  std::vector<Record> shares;
  for (const ShareEntry& share : ShareList()) shares.push_back({TextField("name", share.name)});
  PrintRecords(shares);
  return 0;
}

int RunAccessCommand(const Arguments& args) {
  ResultWindow window;
  const auto device = LogInFor(window, args, L"access");
  if (!device) return 1;
  const int token = LaunchQuery(window.Handle(), [&](CQuery& q) {
    return q.SendCommand(*device, kGetUserAccess, GetUserAccessBody(LoginCredentials()));
  });
  const std::unique_ptr<CQuery> done = TakeMailboxResult(window, token, kMailboxWaitMs);
  if (!done) return NoAnswer();
  PrintRecord({TextField("access", ToU16(done->accessText))});
  return 0;
}
