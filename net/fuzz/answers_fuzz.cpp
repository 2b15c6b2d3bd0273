// Every answer parser through the dispatch: the first byte picks the operation, the second the
// device index, a piece gives the password being changed, and the rest is the answer as it
// arrived. Whatever the answer, every fixed field stays zero-terminated and nothing leaks.
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>

#include "fuzz/fuzz_input.h"
#include "net/device_commands.h"
#include "net/testing/toy_code_page.h"

namespace {

// The operation kinds and command indexes that have a parser, and one that has none.
constexpr std::array<std::pair<int, int>, 13> kParsed{{{kOpCgiCommand, 1},
                                                       {kOpCgiCommand, 2},
                                                       {kOpCgiCommand, 6},
                                                       {kOpCgiCommand, 8},
                                                       {kOpCgiCommand, 9},
                                                       {kOpDiskStep, 10},
                                                       {kOpDiskStep, 11},
                                                       {kOpDiskStep, 12},
                                                       {kOpDiskStep, 13},
                                                       {kOpVolumeStatus, 16},
                                                       {kOpUserAccess, 18},
                                                       {kOpShareList, 8},
                                                       {kOpCgiCommand, 4}}};

template <std::size_t N>
bool Terminated(const char (&field)[N]) {
  return std::memchr(field, 0, N) != nullptr;
}

// The device the LAN answer rewrites.
void AddDevice(NasDeviceList& devices) {
  SearchReplyFields reply{};
  std::strcpy(reply.address, "192.0.2.21");
  std::strcpy(reply.mask, "255.255.255.0");
  std::strcpy(reply.macText, "00:11:22:33:44:55");
  devices.Merge(reply, 0, "192.0.2.1", "255.255.255.0");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  const auto [opKind, cmdIndex] = kParsed[input.Byte() % kParsed.size()];
  const std::string deviceMac = input.Byte() % 2 == 0 ? "00:11:22:33:44:55" : "00:11:22:33:44:56";
  const std::string_view newPassword = input.Piece();
  const std::string_view answer = input.Rest();

  const ToyCodePage codePage;
  LoginCredentialsRecord credentials{};
  WizardInfoRecord wizard{};
  NasDeviceList devices;
  AddDevice(devices);
  ShareListRecord shares;
  VolumeInfoList volumes{};
  std::u16string access = u"previous";
  const AnswerTargets targets{codePage, credentials, newPassword, wizard, devices, deviceMac,
                              "192.0.2.21", shares, &volumes, access};
  const AnswerReport report = ParseAnswer(opKind, cmdIndex, answer, targets);

  FuzzRequire(Terminated(credentials.userName) && Terminated(credentials.password),
              "credentials not terminated");
  FuzzRequire(Terminated(wizard.lan.address) && Terminated(wizard.lan.mask) &&
                  Terminated(wizard.lan.gateway) && Terminated(wizard.dns1) &&
                  Terminated(wizard.dns2) && Terminated(wizard.hostName) &&
                  Terminated(wizard.workgroup) && Terminated(wizard.description),
              "wizard fields not terminated");
  NasDeviceInfo device;
  FuzzRequire(devices.CopyAt(0, device), "the device record went away");
  FuzzRequire(Terminated(device.address) && Terminated(device.mask) && Terminated(device.gateway),
              "device fields not terminated");
  if (report.diskInfo)
    FuzzRequire(Terminated(report.diskInfo->firstName) && Terminated(report.diskInfo->secondName),
                "disk names not terminated");
  FuzzRequire(shares.size() <= answer.size(), "more shares than answer bytes");
  std::size_t volumeCount = 0;
  for (const VolumeInfoList* v = &volumes; v; v = v->next) ++volumeCount;
  FuzzRequire(volumeCount <= answer.size() + 1, "more volumes than answer bytes");
  FreeVolumeInfoTail(volumes);
  return 0;
}
