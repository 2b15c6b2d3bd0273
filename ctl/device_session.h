// What the device commands of the console tool share: a search, then finding the named device.
#pragma once
#include <memory>
#include <optional>
#include <string>

#include "ctl/commands.h"
#include "net/answer_records.h"
#include "net/win/query.h"
#include "net/win/result_window.h"

// "--name value" pairs after the command; nothing when an option is unknown or lacks its value.
std::optional<std::wstring> OptionValue(const Arguments& args, const std::wstring& name);
bool HasFlag(const Arguments& args, const std::wstring& name);
// The command's own arguments come first: `count` positional values, then the options.
bool SplitPositional(const Arguments& args, std::size_t count, Arguments& positional, Arguments& options);
// Whether every argument is one of `known` options (with a value) or `flags`.
bool ArgumentsAre(const Arguments& args, std::initializer_list<const wchar_t*> known,
                  std::initializer_list<const wchar_t*> flags = {});

// Waits for the mailbox result of the operation started with `token` and takes it; nothing when it
// did not come in time or belonged to another request.
std::unique_ptr<CQuery> TakeMailboxResult(ResultWindow& window, int token, DWORD timeoutMs);
// Waits for the 2025 report of the command `cmdIndex`; true when its exchange succeeded.
bool WaitForCgiDone(ResultWindow& window, int token, int cmdIndex);
// Searches the network; NasDeviceList holds the result when this returns true.
bool RunSearch(ResultWindow& window);
// The options every device command takes: --device NAME --user U --password P.
struct DeviceLogin {
  std::wstring device, user, password;
};
std::optional<DeviceLogin> LoginOptions(const Arguments& args);
// Whether the arguments are those three options and nothing else.
bool OnlyLoginOptions(const Arguments& args);
// Searches, finds the device and logs in; the device once the login was accepted, nothing (and a
// message) otherwise.
std::optional<ChosenDevice> LogIn(ResultWindow& window, const DeviceLogin& login);
// Runs a search and returns the device of that name; nothing (and a message) when the search
// failed or no such device answered.
std::optional<ChosenDevice> FindDevice(ResultWindow& window, const std::wstring& name);
// Reads the device's disks and waits for the command's report; nothing (and a message) when the
// disks did not come or the exchange failed.
std::unique_ptr<DiskInfoResult> ReadDisks(ResultWindow& window, const ChosenDevice& device);
