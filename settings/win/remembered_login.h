// The login remembered for one device. Its section of the settings file is the device's name, as
// it always was; beside the user name and the protected password it keeps the MAC address of the
// device it was remembered for, so that another device that takes the same name is neither handed
// the login nor able to erase it. A section written before the MAC was kept belongs to whichever
// device has the name, as it did then, and gets the MAC the next time the login is remembered.
#pragma once
#include <optional>
#include <string>

struct RememberedLogin {
  std::wstring userName;
  // Empty when none is stored or the stored one cannot be read.
  std::wstring password;
};

// The login remembered for the device named `deviceName` whose MAC text is `mac`; nothing when no
// user name is remembered, or when it was remembered for another device of that name.
std::optional<RememberedLogin> ReadRememberedLogin(const std::wstring& deviceName, const std::wstring& mac);
// Remembers `login` for the device, the password protected (settings/win/stored_password.h).
void RememberLogin(const std::wstring& deviceName, const std::wstring& mac, const RememberedLogin& login);
// Forgets the user name and the password when they were remembered for this device.
void ForgetLogin(const std::wstring& deviceName, const std::wstring& mac);
// After the device rejected a login: forgets the user name when it was remembered for this device.
void ForgetRememberedUser(const std::wstring& deviceName, const std::wstring& mac);
