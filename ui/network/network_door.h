// The door from the windows to the network layer: every starting call of a network operation,
// bound to the window that receives its result. Each returns the request token, or 0 when the
// operation did not start (nothing is left behind then: the operation object is gone).
//
// Windows go through NetworkDoor(), never through CQuery directly, so that tests can put a fake in
// its place (SetNetworkDoor) and drive a window without a network.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "net/answer_records.h"
#include "net/chosen_device.h"
#include "net/device_commands.h"
#include "net/login_credentials.h"
#include "net/login_datagram.h"
#include "net/nas_device.h"
#include "net/win/udp_sockets.h"

class INetworkDoor {
 public:
  virtual ~INetworkDoor() = default;

  // UDP operations (they must not overlap: they share the adapters' sockets).
  virtual int SearchDevices(HWND target) = 0;
  virtual int CheckLogin(HWND target, const std::wstring& userName, const std::wstring& password, const ChosenDevice& device) = 0;
  // `settings` must stay valid until the call returns.
  virtual int SetDeviceIp(HWND target, const ChosenDevice& device, const SetIpRequest* settings) = 0;

  // A device command over HTTP: its index and its body, both from net/device_commands.h
  // (`body` none: it could not be built, and the start fails with a notice). The command's row
  // decides how its result reaches `target`. A new command needs nothing here.
  virtual int SendCommand(HWND target, const ChosenDevice& device, CgiCommand command,
                          const std::optional<std::string>& body) = 0;
  // The three commands whose operation keeps more than its body for the answer; they are sent
  // only through these calls.
  // ChangePassword: the new password, which becomes the login's when the device accepted it.
  virtual int ChangePassword(HWND target, const ChosenDevice& device, const std::wstring& newPassword) = 0;
  // GetShareInfo: with USB shares (`usbFlag` not 0) the result goes through the mailbox.
  virtual int GetShareInfo(HWND target, const ChosenDevice& device, int usbFlag) = 0;
  // GetVolumeStatus: `first` is the caller's zero-filled first record; it must stay valid until
  // the result came (or the window is gone): the answer fills it and links further records after
  // it.
  virtual int GetVolumeStatus(HWND target, const ChosenDevice& device, VolumeInfoList* first) = 0;

  // The records the answers fill stay where the network layer keeps them for the exchanges; a
  // window reads (and empties) them only here, once the result of the operation that fills them
  // arrived. The fake door of the window tests serves the same records.
  NasDeviceList& Devices();                // SearchDevices; read by position only at that moment
  const AdapterTable& SearchedAdapters();  // the adapters the last search went out on
  ShareListRecord& Shares();               // GetShareInfo; emptied by the caller before it asks
  WizardInfoRecord& DeviceSettings();      // GetWizardInfo; GetLanInfo rewrites its address part
  LoginCredentialsRecord& Login();         // the login every command is sent with
  void ClearLogin();
  // Whether the accepted login is the administrator's: the main window sets it at Connect.
  bool AdministratorLogin() const;
  void SetAdministratorLogin(bool administrator);
};

// The flag behind AdministratorLogin (tests set it directly).
extern bool IsAdminUser;

// The door the windows use: the process's real one unless a test replaced it.
INetworkDoor& NetworkDoor();
// Replaces the door (not owned); nullptr brings the real one back.
void SetNetworkDoor(INetworkDoor* door);
