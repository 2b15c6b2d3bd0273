// The readers of the device's answers to the HTTP commands. Each takes the whole answer as it
// arrived (status line, headers and body; the text before the first element is not read), writes
// the records it is given and says in an AnswerReport what the worker is to report. Parsers post
// nothing, show nothing and never wait: the worker acts on the report.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "base/ansi_code_page.h"
#include "net/answer_records.h"
#include "net/login_credentials.h"
#include "net/nas_device.h"

struct AnswerReport {
  enum class Delivery {
    kNothing,  // nothing to report (OpKind 3: the worker's own WM_CGI_DONE follows as always)
    kPost,     // post `message` with `wParam` and `lParam` to the target window
    kMailbox,  // store the CQuery in the mailbox and post WM_QUERY_RESULT
  };
  Delivery delivery = Delivery::kNothing;
  unsigned message = 0;
  std::uintptr_t wParam = 0;
  std::intptr_t lParam = 0;
  // How long the worker waits after the answer before it posts.
  unsigned delayMs = 0;
  // WM_DISK_INFO: the record that travels as wParam; the worker releases it into wParam and the
  // receiver deletes it (the worker deletes it itself when the post fails).
  std::unique_ptr<DiskInfoResult> diskInfo;
  // A message box to show (on the worker, before anything is posted), or nullptr; translated
  // through Translate only when `translateNotice` is set.
  const char16_t* notice = nullptr;
  bool translateNotice = false;

  static AnswerReport Posting(unsigned message, std::intptr_t wParam, std::intptr_t lParam);
  static AnswerReport ThroughMailbox();
};

// ChangePassword (3/1). On status "1" `newPassword` (at most 15 bytes kept) becomes the password
// of `credentials`. The document need not be well-formed.
AnswerReport ParseStatusAnswer(std::string_view answer, const AnsiCodePage& codePage,
                               std::string_view newPassword, LoginCredentialsRecord& credentials);

// GetWizardInfo (3/2). Zero-fills `info`, then fills it from the lan and system parts. The
// children must come in their usual order; a missing one leaves its field empty (0 for numbers).
AnswerReport ParseWizardAnswer(std::string_view answer, const AnsiCodePage& codePage,
                               WizardInfoRecord& info);

// GetLanInfo (3/6). Writes the device's new address, mask and gateway into `current` and into the
// record of `devices` with the MAC `deviceMac`, but into that record only while it is still where
// the request went (its address equals `requestedAddress`): after a search in between, the
// device may be listed elsewhere or not at all. An ip1 that is missing or "0.0.0.0" writes
// nothing; a missing netmask1 or gateway1 leaves that field as it was.
AnswerReport ParseLanAnswer(std::string_view answer, const AnsiCodePage& codePage,
                            CurrentLanInfoRecord& current, NasDeviceList& devices,
                            const std::string& deviceMac, std::string_view requestedAddress);

// GetShareInfo (3/8, or OpKind 9). Decoded with DecodeShareText, not the code page; appends one
// entry per item, labelled "select" translated. A document that is not well-formed appends
// nothing and reports nothing, also for OpKind 9.
AnswerReport ParseShareAnswer(std::string_view answer, int opKind, ShareListRecord& shares);

// GetDiskInfo (3/9): WM_DISK_INFO with the disks, all zero when hd_info is missing; nothing when
// the document is not well-formed.
AnswerReport ParseDiskAnswer(std::string_view answer, const AnsiCodePage& codePage, int cmdIndex);

// StopWebFileManager (5/10): WM_DISK_STEP_DONE with wParam 1 after five seconds, whatever res
// holds. Not well-formed: the notice "response_SetRaidType error" and nothing posted.
AnswerReport ParseStopAnswer(std::string_view answer, const AnsiCodePage& codePage, int cmdIndex);
// CreateVolume (5/11): WM_VOLUME_CREATED with the value of res (0 when missing). Not well-formed:
// the notice "response_SetRaidType error", then WM_VOLUME_CREATED with 0.
AnswerReport ParseCreateAnswer(std::string_view answer, const AnsiCodePage& codePage, int cmdIndex);
// RemountDisk, CheckRemountState, FinishFormat (5/13-15): WM_DISK_STEP_DONE with the value of res
// (0 when missing); nothing when the document is not well-formed.
AnswerReport ParseRemountAnswer(std::string_view answer, const AnsiCodePage& codePage,
                                int cmdIndex);

// ReadFormatState (5/12): WM_FORMAT_STATE, wParam 1 running (finished not "1", errcode "1"),
// 2 finished (both "1"), 0 error (any other errcode, or no dm_state); lParam the percent (0 when
// missing). Nothing when the document is not well-formed.
AnswerReport ParseFormatStateAnswer(std::string_view answer, const AnsiCodePage& codePage);

// GetVolumeStatus (6/16): the caller's `first` record takes the first volume, further ones are
// allocated and linked after the list's last record (fields missing from an item read 0). The
// mailbox report; nothing when the document is not well-formed. A record that cannot be
// allocated ends the list with the notice "nas_volume_info malloc failed." (translated).
AnswerReport ParseVolumeAnswer(std::string_view answer, const AnsiCodePage& codePage,
                               VolumeInfoList& first);

// GetUserAccess (8/18): empties `accessText`, then takes the authority text. The mailbox
// report; nothing when the document is not well-formed.
AnswerReport ParseAccessAnswer(std::string_view answer, const AnsiCodePage& codePage,
                               std::u16string& accessText);

// What the parsers of one CQuery write into, resolved by the worker.
struct AnswerTargets {
  const AnsiCodePage& codePage;
  LoginCredentialsRecord& credentials;  // ChangePassword
  std::string_view newPassword;         // ChangePassword: the password it sent
  WizardInfoRecord& wizardInfo;         // GetWizardInfo; GetLanInfo writes its lan part
  NasDeviceList& devices;               // GetLanInfo
  const std::string& deviceMac;         // GetLanInfo: the device the request went to
  std::string_view requestedAddress;  // GetLanInfo: the address the request went to
  ShareListRecord& shares;            // GetShareInfo
  VolumeInfoList* volumes;            // GetVolumeStatus: the caller's first record
  std::u16string& accessText;         // GetUserAccess
};

// The parser of an operation kind and command index (the command's reader in
// net/device_commands.h), run on the answer. Commands without a reader, a kind the command does
// not run as, and GetVolumeStatus without a first record report nothing.
AnswerReport ParseAnswer(int opKind, int cmdIndex, std::string_view answer,
                         const AnswerTargets& targets);
