// The starting calls of the device commands sent over HTTP: the kind each runs as comes from
// the command table; a few keep something for the answer first.
#include <string>

#include "base/win/ansi_text.h"
#include "net/device_commands.h"
#include "net/login_credentials.h"
#include "net/win/query.h"

int CQuery::SendCommand(const ChosenDevice& device, int cmdIndex, const std::optional<std::string>& body) {
  // Their answers are read with what their own starting calls keep: without it a password change
  // would empty the login, and the volumes would have no record to go to.
  if (cmdIndex == kChangePassword || cmdIndex == kGetVolumeStatus)
    return StartCgiCommand(device, kOpNone, cmdIndex, std::nullopt);
  return SendByRow(device, cmdIndex, body);
}

int CQuery::SendByRow(const ChosenDevice& device, int cmdIndex, const std::optional<std::string>& body) {
  const DeviceCommand* command = FindDeviceCommand(cmdIndex);
  // A place in the numbering that no command sends is not sent either.
  if (!command || command->kind == kOpNone) return StartCgiCommand(device, kOpNone, cmdIndex, std::nullopt);
  return StartCgiCommand(device, command->kind, cmdIndex, body);
}

int CQuery::ChangePassword(const ChosenDevice& device, const std::wstring& password) {
  // The new password is kept for the status answer; one that does not fit is not sent cut.
  const bool fits = CopyAnsiToSlot(password, newPassword, sizeof newPassword);
  return SendByRow(device, kChangePassword,
                   fits ? ChangePasswordBody(LoginCredentials(), newPassword) : std::nullopt);
}

int CQuery::GetShareInfo(const ChosenDevice& device, int usbFlag) {
  return StartCgiCommand(device, usbFlag == 0 ? kOpCgiCommand : kOpShareList, kGetShareInfo,
                         GetShareInfoBody(LoginCredentials(), usbFlag));
}

int CQuery::GetVolumeStatus(const ChosenDevice& device, VolumeInfoList* first) {
  outputList = first;
  return SendByRow(device, kGetVolumeStatus, GetVolumeStatusBody());
}
