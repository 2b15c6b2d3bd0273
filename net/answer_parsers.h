// What reading a device's answer to an HTTP command tells the worker (AnswerReport), the records
// the readers write into (AnswerTargets), and the dispatch from an operation to its command's
// reader. The readers themselves are declared with their commands in net/device_commands.h.
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
  // What the user is to be told, or nullptr: it travels with the operation's result and is shown
  // before it, by the window the result is for; translated only when `translateNotice` is set.
  const char16_t* notice = nullptr;
  bool translateNotice = false;

  static AnswerReport Posting(unsigned message, std::intptr_t wParam, std::intptr_t lParam);
  static AnswerReport ThroughMailbox();
};

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
