// The device commands sent over HTTP. Each is described once:
//   - here: its index (the device's number for it), the body built from what the caller hands
//     in, and the reader of its answer when the answer is read;
//   - its row in device_commands.cpp: the kind of operation that carries it (how its result
//     reaches the window), the path it posts to, and its reader;
//   - its body builder and its reader side by side in the file of its family in net/commands/
//     (account_commands.cpp, settings_commands.cpp, disk_commands.cpp).
// The request is built, and the answer read, from the table; windows send any command through
// the door's SendCommand with its index and body, and the simulator checks the same bodies.
//
// Bodies are bytes in the thread's ANSI code page. Values are inserted as they are, except the
// four characters that would change the form's structure on the device: "&", "=", "%" and "+" go
// out as %26, %3D, %25 and %2B. Every other byte, spaces included, is sent unchanged, so values
// without those four reach the device byte for byte as they always have. A builder refuses
// (std::nullopt) rather than send a cut or overrun value: a text field of a record, or of
// LoginCredentials, that holds no terminating zero within its array; a new password longer than
// the 15 bytes the login record can keep; an empty volume plan; and any body that would reach
// kMaxBodySize bytes.
//
// A reader takes the whole answer as it arrived (status line, headers and body; the text before
// the first element is not read), writes the records it is given and says in an AnswerReport
// what the worker is to report. Readers post nothing, show nothing and never wait: the worker
// acts on the report.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/ansi_code_page.h"
#include "net/answer_records.h"
#include "net/answer_parsers.h"
#include "net/login_credentials.h"
#include "net/nas_device.h"
#include "net/op_kinds.h"

// The index of each command: it chooses the row, and several result messages carry it in lParam.
enum CgiCommand : int {
  kChangePassword = 1,
  kGetWizardInfo = 2,
  kSetDeviceInfo = 3,
  kSetTimeZone = 4,
  kSetNetwork = 5,
  kGetLanInfo = 6,
  kLockSetIp = 7,
  kGetShareInfo = 8,
  kGetDiskInfo = 9,
  kStopWebFileManager = 10,
  kCreateVolume = 11,
  kReadFormatState = 12,
  kRemountDisk = 13,
  kCheckRemountState = 14,
  kFinishFormat = 15,
  kGetVolumeStatus = 16,
  kGetUserAccess = 18,
};

// A command's row in the table.
struct DeviceCommand {
  int index;  // a CgiCommand; 0 and 17 are places in the device's numbering no command sends
  OpKindValue kind;
  // The other kind the command may run as (GetShareInfo with USB shares: kOpShareList); 0 none.
  int otherKind;
  const char* path;
  // Reads the answer of an operation of `opKind`; nullptr: the answer is not read.
  AnswerReport (*read)(std::string_view answer, int opKind, int cmdIndex, const AnswerTargets& to);
};

// The command with that index; nullptr beyond the device's numbering.
const DeviceCommand* FindDeviceCommand(int cmdIndex);

constexpr std::size_t kMaxBodySize = 1024;       // bodies stay below this
constexpr std::size_t kMaxVolumeTextSize = 512;  // the record fields keep every volume text below
constexpr std::size_t kMaxNewPasswordSize = sizeof(LoginCredentialsRecord::password) - 1;

// ---- The account commands (net/commands/account_commands.cpp)

// ChangePassword (3/1): the user name and password of `login`, then the new password. On status
// "1" `newPassword` (at most 15 bytes kept) becomes the password of `credentials`. The document
// need not be well-formed.
std::optional<std::string> ChangePasswordBody(const LoginCredentialsRecord& login,
                                              std::string_view newPassword);
AnswerReport ParseStatusAnswer(std::string_view answer, const AnsiCodePage& codePage,
                               std::string_view newPassword, LoginCredentialsRecord& credentials);

// GetShareInfo (3/8, or OpKind 9 with USB shares): the user name of `login` and the USB flag.
// Decoded with DecodeShareText, not the code page; appends one entry per item, labelled "select"
// translated. A document that is not well-formed appends nothing and reports nothing, also for
// OpKind 9.
std::optional<std::string> GetShareInfoBody(const LoginCredentialsRecord& login, int usbFlag);
AnswerReport ParseShareAnswer(std::string_view answer, int opKind, ShareListRecord& shares);

// GetUserAccess (8/18): the user name of `login`. The reader empties `accessText`, then takes the
// authority text. The mailbox report; nothing when the document is not well-formed.
std::optional<std::string> GetUserAccessBody(const LoginCredentialsRecord& login);
AnswerReport ParseAccessAnswer(std::string_view answer, const AnsiCodePage& codePage,
                               std::u16string& accessText);

// ---- The settings commands (net/commands/settings_commands.cpp)

// GetWizardInfo (3/2). Zero-fills `info`, then fills it from the lan and system parts. The
// children must come in their usual order; a missing one leaves its field empty (0 for numbers).
std::string GetWizardInfoBody();
AnswerReport ParseWizardAnswer(std::string_view answer, const AnsiCodePage& codePage,
                               WizardInfoRecord& info);

// SetDeviceInfo (3/3); the answer is not read.
struct DeviceIdentity {
  char hostName[16];
  char workgroup[16];
  char description[31];
};
std::optional<std::string> SetDeviceInfoBody(const DeviceIdentity& identity);

// SetTimeZone (3/4); the answer is not read.
std::string SetTimeZoneBody(int timeZoneIndex);

// SetNetwork (3/5); the answer is not read.
struct NetworkSettings {
  int dhcpFlag;  // 1 DHCP, 0 static
  char address[16];
  char mask[16];
  char gateway[16];
  char dns1[16];  // empty: none
  char dns2[16];
};
std::optional<std::string> SetNetworkBody(const NetworkSettings& settings);

// GetLanInfo (3/6). Writes the device's new address, mask and gateway into `current` and into the
// record of `devices` with the MAC `deviceMac`, but into that record only while it is still where
// the request went (its address equals `requestedAddress`): after a search in between, the
// device may be listed elsewhere or not at all. An ip1 that is missing or "0.0.0.0" writes
// nothing; a missing netmask1 or gateway1 leaves that field as it was.
std::string GetLanInfoBody();
AnswerReport ParseLanAnswer(std::string_view answer, const AnsiCodePage& codePage,
                            CurrentLanInfoRecord& current, NasDeviceList& devices,
                            const std::string& deviceMac, std::string_view requestedAddress);

// LockSetIp (3/7); the answer is not read.
std::string LockSetIpBody();

// ---- The disk commands (net/commands/disk_commands.cpp)

// GetDiskInfo (3/9): an empty body. WM_DISK_INFO with the disks, all zero when hd_info is
// missing; nothing when the document is not well-formed.
std::string GetDiskInfoBody();
AnswerReport ParseDiskAnswer(std::string_view answer, const AnsiCodePage& codePage, int cmdIndex);

// StopWebFileManager (5/10): WM_DISK_STEP_DONE with wParam 1 after five seconds, whatever res
// holds. Not well-formed: the notice "response_SetRaidType error" and nothing posted.
std::string StopWebFileManagerBody();
AnswerReport ParseStopAnswer(std::string_view answer, const AnsiCodePage& codePage, int cmdIndex);

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
// CreateVolume (5/11): the volume text of the plan starting at `first` (nullptr: no plan,
// refused). WM_VOLUME_CREATED with the value of res (0 when missing). Not well-formed: the notice
// "response_SetRaidType error", then WM_VOLUME_CREATED with 0.
std::optional<std::string> CreateVolumeBody(const VolumeRequest* first);
AnswerReport ParseCreateAnswer(std::string_view answer, const AnsiCodePage& codePage, int cmdIndex);
// The comma-separated volume text of a plan: 15 values for the first record and, when it has a
// next record, 15 more for that one (a third is not read). Unescaped; refused like the bodies.
std::optional<std::string> VolumeText(const VolumeRequest& first);

// ReadFormatState (5/12): an empty body. WM_FORMAT_STATE, wParam 1 running (finished not "1",
// errcode "1"), 2 finished (both "1"), 0 error (any other errcode, or no dm_state); lParam the
// percent (0 when missing). Nothing when the document is not well-formed.
std::string ReadFormatStateBody();
AnswerReport ParseFormatStateAnswer(std::string_view answer, const AnsiCodePage& codePage);

// RemountDisk, CheckRemountState, FinishFormat (5/13-15): WM_DISK_STEP_DONE with the value of res
// (0 when missing); nothing when the document is not well-formed.
std::string RemountDiskBody();
std::string CheckRemountStateBody();
std::string FinishFormatBody();
AnswerReport ParseRemountAnswer(std::string_view answer, const AnsiCodePage& codePage,
                                int cmdIndex);

// GetVolumeStatus (6/16): the caller's `first` record takes the first volume, further ones are
// allocated and linked after the list's last record (fields missing from an item read 0). The
// mailbox report; nothing when the document is not well-formed. A record that cannot be
// allocated ends the list with the notice "nas_volume_info malloc failed." (translated).
std::string GetVolumeStatusBody();
AnswerReport ParseVolumeAnswer(std::string_view answer, const AnsiCodePage& codePage,
                               VolumeInfoList& first);
