// What the device commands of the console tool share: a search, then finding the named device.
#pragma once
#include <optional>
#include <string>

#include "ctl/commands.h"
#include "net/result_window.h"

// "--name value" pairs after the command; nothing when an option is unknown or lacks its value.
std::optional<std::wstring> OptionValue(const Arguments& args, const std::wstring& name);
bool HasFlag(const Arguments& args, const std::wstring& name);
// Whether every argument is one of `known` options (with a value) or `flags`.
bool ArgumentsAre(const Arguments& args, std::initializer_list<const wchar_t*> known,
                  std::initializer_list<const wchar_t*> flags = {});

// Waits for the mailbox result of the operation started with `token`, takes it and deletes it;
// false when it did not come in time or belonged to another request.
bool TakeMailboxResult(ResultWindow& window, int token, DWORD timeoutMs);
// Searches the network; NasDeviceList holds the result when this returns true.
bool RunSearch(ResultWindow& window);
// The options every device command takes: --device NAME --user U --password P.
struct DeviceLogin {
  std::wstring device, user, password;
};
std::optional<DeviceLogin> LoginOptions(const Arguments& args);
// Searches, finds the device and logs in; the device's list position once the login was accepted,
// nothing (and a message) otherwise.
std::optional<int> LogIn(ResultWindow& window, const DeviceLogin& login);
// Runs a search and returns the list position of the device of that name; nothing (and a
// message) when the search failed or no such device answered.
std::optional<int> FindDevice(ResultWindow& window, const std::wstring& name);
