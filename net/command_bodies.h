// The form bodies of the device commands sent over HTTP, as bytes in the thread's ANSI code page,
// and the records that callers hand in for them.
//
// Values are inserted as they are, except the four characters that would change the form's
// structure on the device: "&", "=", "%" and "+" go out as %26, %3D, %25 and %2B. Every other
// byte, spaces included, is sent unchanged, so values without those four reach the device byte
// for byte as they always have.
//
// A builder refuses (std::nullopt) rather than send a cut or overrun value: a text field of a
// record, or of LoginCredentials, that holds no terminating zero within its array; a new password
// longer than the 15 bytes the login record can keep; an empty volume plan; and any body that
// would reach kMaxBodySize bytes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "net/login_credentials.h"

constexpr std::size_t kMaxBodySize = 1024;       // bodies stay below this
constexpr std::size_t kMaxVolumeTextSize = 512;  // the record fields keep every volume text below
constexpr std::size_t kMaxNewPasswordSize = sizeof(LoginCredentialsRecord::password) - 1;

// SetNetwork.
struct NetworkSettings {
  int dhcpFlag;  // 1 DHCP, 0 static
  char address[16];
  char mask[16];
  char gateway[16];
  char dns1[16];  // empty: none
  char dns2[16];
};

// SetDeviceInfo.
struct DeviceIdentity {
  char hostName[16];
  char workgroup[16];
  char description[31];
};

// One volume of a CreateVolume plan; the plan is the first record and at most one linked after it.
struct VolumeRequest {
  std::int32_t autoSync;      // 1 for a RAID 1 plan; the first record's is sent as f_auto_sync
  std::int32_t volumeNumber;  // 1 or 2
  char level[15];             // "standard", "linear", "raid0" or "raid1"
  char fileSystem[10];        // "ext4"
  std::int32_t sizeGiB;
  char disks[10];      // one device name, or both joined without a separator
  std::int32_t spare;  // 1: made from what a RAID of unequal disks leaves over
  std::int32_t equal;  // 1: the plan's disks are of equal size (always with one disk)
  VolumeRequest* next;
};

// Command index 1: the user name and password of `login`, then the new password.
std::optional<std::string> ChangePasswordBody(const LoginCredentialsRecord& login,
                                              std::string_view newPassword);
std::string GetWizardInfoBody();                                               // 2
std::optional<std::string> SetDeviceInfoBody(const DeviceIdentity& identity);  // 3
std::string SetTimeZoneBody(int timeZoneIndex);                                // 4
std::optional<std::string> SetNetworkBody(const NetworkSettings& settings);    // 5
std::string GetLanInfoBody();                                                  // 6
std::string LockSetIpBody();                                                   // 7
// 8: the user name of `login` and the USB flag.
std::optional<std::string> GetShareInfoBody(const LoginCredentialsRecord& login, int usbFlag);
std::string GetDiskInfoBody();         // 9: empty
std::string StopWebFileManagerBody();  // 10
// 11: the volume text of the plan starting at `first` (nullptr: no plan, refused).
std::optional<std::string> CreateVolumeBody(const VolumeRequest* first);
std::string ReadFormatStateBody();                                                  // 12: empty
std::string RemountDiskBody();                                                      // 13
std::string CheckRemountStateBody();                                                // 14
std::string FinishFormatBody();                                                     // 15
std::string GetVolumeStatusBody();                                                  // 16
std::optional<std::string> GetUserAccessBody(const LoginCredentialsRecord& login);  // 18

// The comma-separated volume text of a plan: 15 values for the first record and, when it has a
// next record, 15 more for that one (a third is not read). Unescaped; refused like the bodies.
std::optional<std::string> VolumeText(const VolumeRequest& first);
