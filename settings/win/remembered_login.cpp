#include "settings/win/remembered_login.h"

#include <windows.h>

#include "settings/setting_names.h"
#include "settings/win/settings_file.h"
#include "settings/win/stored_password.h"

namespace {

// Whether the section's login was remembered for the device with `mac`. Without a MAC (written
// before it was kept) it belongs to any device of the name; a hand-edited MAC may differ in case.
bool BelongsTo(const std::wstring& deviceName, const std::wstring& mac) {
  std::wstring stored;
  if (!ReadSetting(deviceName, kMacAddressKey, stored)) return true;
  return CompareStringOrdinal(stored.c_str(), static_cast<int>(stored.size()), mac.c_str(),
                              static_cast<int>(mac.size()), TRUE) == CSTR_EQUAL;
}

}  // namespace

std::optional<RememberedLogin> ReadRememberedLogin(const std::wstring& deviceName, const std::wstring& mac) {
  RememberedLogin login;
  if (!ReadSetting(deviceName, kUserNameKey, login.userName) || !BelongsTo(deviceName, mac)) return std::nullopt;
  std::wstring stored;
  if (ReadSetting(deviceName, kPassWordKey, stored)) login.password = DecodeStoredPassword(stored);
  return login;
}

void RememberLogin(const std::wstring& deviceName, const std::wstring& mac, const RememberedLogin& login) {
  WriteSetting(deviceName, kUserNameKey, login.userName);
  WriteSetting(deviceName, kPassWordKey, EncodeStoredPassword(login.password));
  WriteSetting(deviceName, kMacAddressKey, mac);
}

void ForgetLogin(const std::wstring& deviceName, const std::wstring& mac) {
  if (!BelongsTo(deviceName, mac)) return;
  ClearSetting(deviceName, kUserNameKey);
  ClearSetting(deviceName, kPassWordKey);
}

void ForgetRememberedUser(const std::wstring& deviceName, const std::wstring& mac) {
  if (BelongsTo(deviceName, mac)) ClearSetting(deviceName, kUserNameKey);
}
