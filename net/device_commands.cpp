#include "net/device_commands.h"

#include <array>

namespace {

// The readers in one shape; each hands the parser the records of its command.
AnswerReport ReadStatus(std::string_view answer, int, int, const AnswerTargets& to) {
  return ParseStatusAnswer(answer, to.codePage, to.newPassword, to.credentials);
}
AnswerReport ReadWizard(std::string_view answer, int, int, const AnswerTargets& to) {
  return ParseWizardAnswer(answer, to.codePage, to.wizardInfo);
}
AnswerReport ReadLan(std::string_view answer, int, int, const AnswerTargets& to) {
  return ParseLanAnswer(answer, to.codePage, to.wizardInfo.lan, to.devices, to.deviceMac, to.requestedAddress);
}
AnswerReport ReadShares(std::string_view answer, int opKind, int, const AnswerTargets& to) {
  return ParseShareAnswer(answer, opKind, to.shares);
}
AnswerReport ReadDisks(std::string_view answer, int, int cmdIndex, const AnswerTargets& to) {
  return ParseDiskAnswer(answer, to.codePage, cmdIndex);
}
AnswerReport ReadStop(std::string_view answer, int, int cmdIndex, const AnswerTargets& to) {
  return ParseStopAnswer(answer, to.codePage, cmdIndex);
}
AnswerReport ReadCreate(std::string_view answer, int, int cmdIndex, const AnswerTargets& to) {
  return ParseCreateAnswer(answer, to.codePage, cmdIndex);
}
AnswerReport ReadFormatState(std::string_view answer, int, int, const AnswerTargets& to) {
  return ParseFormatStateAnswer(answer, to.codePage);
}
AnswerReport ReadRemount(std::string_view answer, int, int cmdIndex, const AnswerTargets& to) {
  return ParseRemountAnswer(answer, to.codePage, cmdIndex);
}
// Without the caller's first record there is nowhere to put the volumes.
AnswerReport ReadVolumes(std::string_view answer, int, int, const AnswerTargets& to) {
  return to.volumes ? ParseVolumeAnswer(answer, to.codePage, *to.volumes) : AnswerReport{};
}
AnswerReport ReadAccess(std::string_view answer, int, int, const AnswerTargets& to) {
  return ParseAccessAnswer(answer, to.codePage, to.accessText);
}

// By index. The settings commands (3, 4, 5 and 7) send; their answers are not read.
constexpr std::array<DeviceCommand, 19> kDeviceCommands{{
    {0, kOpNone, 0, " ", nullptr},
    {kChangePassword, kOpCgiCommand, 0, "/cgi-bin/account_mgr.cgi", ReadStatus},
    {kGetWizardInfo, kOpCgiCommand, 0, "/cgi-bin/wizard_mgr.cgi", ReadWizard},
    {kSetDeviceInfo, kOpCgiCommand, 0, "/cgi-bin/system_mgr.cgi", nullptr},
    {kSetTimeZone, kOpCgiCommand, 0, "/cgi-bin/system_mgr.cgi", nullptr},
    {kSetNetwork, kOpCgiCommand, 0, "/cgi-bin/network_mgr.cgi", nullptr},
    {kGetLanInfo, kOpCgiCommand, 0, "/cgi-bin/network_mgr.cgi", ReadLan},
    {kLockSetIp, kOpCgiCommand, 0, "/cgi-bin/network_mgr.cgi", nullptr},
    {kGetShareInfo, kOpCgiCommand, kOpShareList, "/cgi-bin/account_mgr.cgi", ReadShares},
    {kGetDiskInfo, kOpCgiCommand, 0, "/xml/current_hd_info.xml", ReadDisks},
    {kStopWebFileManager, kOpDiskStep, 0, "/cgi-bin/hd_config.cgi", ReadStop},
    {kCreateVolume, kOpDiskStep, 0, "/cgi-bin/hd_config.cgi", ReadCreate},
    {kReadFormatState, kOpDiskStep, 0, "/xml/dm_read_state.xml", ReadFormatState},
    {kRemountDisk, kOpDiskStep, 0, "/cgi-bin/hd_config.cgi", ReadRemount},
    {kCheckRemountState, kOpDiskStep, 0, "/cgi-bin/hd_config.cgi", ReadRemount},
    {kFinishFormat, kOpDiskStep, 0, "/cgi-bin/hd_config.cgi", ReadRemount},
    {kGetVolumeStatus, kOpVolumeStatus, 0, "/cgi-bin/hd_config.cgi", ReadVolumes},
    {17, kOpNone, 0, "/cgi-bin/usb_device.cgi", nullptr},
    {kGetUserAccess, kOpUserAccess, 0, "/cgi-bin/account_mgr.cgi", ReadAccess},
}};

}  // namespace

const DeviceCommand* FindDeviceCommand(int cmdIndex) {
  if (cmdIndex < 0 || cmdIndex >= static_cast<int>(kDeviceCommands.size())) return nullptr;
  return &kDeviceCommands[static_cast<std::size_t>(cmdIndex)];
}

AnswerReport ParseAnswer(int opKind, int cmdIndex, std::string_view answer, const AnswerTargets& targets) {
  const DeviceCommand* command = FindDeviceCommand(cmdIndex);
  if (!command || !command->read) return {};
  const bool itsKind = opKind == command->kind || (command->otherKind != kOpNone && opKind == command->otherKind);
  if (!itsKind) return {};
  return command->read(answer, opKind, cmdIndex, targets);
}
