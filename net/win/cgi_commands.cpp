// The starting calls of the device commands sent over HTTP: kind, command index and body of each.
#include <string>

#include "base/win/ansi_text.h"
#include "net/login_credentials.h"
#include "net/win/query.h"

int CQuery::ChangePassword(const ChosenDevice& device, const std::wstring& password) {
  // The new password is kept for the status answer; one that does not fit is not sent cut.
  const bool fits = CopyAnsiToSlot(password, newPassword, sizeof newPassword);
  return StartCgiCommand(device, kOpCgiCommand, kChangePassword,
                         fits ? ChangePasswordBody(LoginCredentials(), newPassword) : std::nullopt);
}

int CQuery::GetWizardInfo(const ChosenDevice& device) {
  return StartCgiCommand(device, kOpCgiCommand, kGetWizardInfo, GetWizardInfoBody());
}

int CQuery::SetDeviceInfo(const ChosenDevice& device, const DeviceIdentity& identity) {
  return StartCgiCommand(device, kOpCgiCommand, kSetDeviceInfo, SetDeviceInfoBody(identity));
}

int CQuery::SetTimeZone(const ChosenDevice& device, int timeZoneIndex) {
  return StartCgiCommand(device, kOpCgiCommand, kSetTimeZone, SetTimeZoneBody(timeZoneIndex));
}

int CQuery::SetNetwork(const ChosenDevice& device, const NetworkSettings& settings) {
  return StartCgiCommand(device, kOpCgiCommand, kSetNetwork, SetNetworkBody(settings));
}

int CQuery::GetLanInfo(const ChosenDevice& device) {
  return StartCgiCommand(device, kOpCgiCommand, kGetLanInfo, GetLanInfoBody());
}

int CQuery::LockSetIp(const ChosenDevice& device) {
  return StartCgiCommand(device, kOpCgiCommand, kLockSetIp, LockSetIpBody());
}

int CQuery::GetShareInfo(const ChosenDevice& device, int usbFlag) {
  return StartCgiCommand(device, usbFlag == 0 ? kOpCgiCommand : kOpShareList, kGetShareInfo,
                         GetShareInfoBody(LoginCredentials(), usbFlag));
}

int CQuery::GetDiskInfo(const ChosenDevice& device) {
  return StartCgiCommand(device, kOpCgiCommand, kGetDiskInfo, GetDiskInfoBody());
}

int CQuery::StopWebFileManager(const ChosenDevice& device) {
  return StartCgiCommand(device, kOpDiskStep, kStopWebFileManager, StopWebFileManagerBody());
}

int CQuery::CreateVolume(const ChosenDevice& device, const VolumeRequest* plan) {
  return StartCgiCommand(device, kOpDiskStep, kCreateVolume, CreateVolumeBody(plan));
}

int CQuery::ReadFormatState(const ChosenDevice& device) {
  return StartCgiCommand(device, kOpDiskStep, kReadFormatState, ReadFormatStateBody());
}

int CQuery::RemountDisk(const ChosenDevice& device) {
  return StartCgiCommand(device, kOpDiskStep, kRemountDisk, RemountDiskBody());
}

int CQuery::CheckRemountState(const ChosenDevice& device) {
  return StartCgiCommand(device, kOpDiskStep, kCheckRemountState, CheckRemountStateBody());
}

int CQuery::FinishFormat(const ChosenDevice& device) {
  return StartCgiCommand(device, kOpDiskStep, kFinishFormat, FinishFormatBody());
}

int CQuery::GetVolumeStatus(const ChosenDevice& device, VolumeInfoList* first) {
  outputList = first;
  return StartCgiCommand(device, kOpVolumeStatus, kGetVolumeStatus, GetVolumeStatusBody());
}

int CQuery::GetUserAccess(const ChosenDevice& device) {
  return StartCgiCommand(device, kOpUserAccess, kGetUserAccess, GetUserAccessBody(LoginCredentials()));
}
