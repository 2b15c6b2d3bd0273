// Every section and key of the settings file. Nothing else is read from it or written to it.
#pragma once

struct SettingName {
  const wchar_t* section;
  const wchar_t* key;
};

// "ENG", "CHS" or "CHT", matched exactly; anything else keeps the texts in English. Only read:
// the program never writes it.
inline constexpr SettingName kLanguageSetting{L"Language", L"Language"};
// The inactivity logout time in milliseconds, written as "%u:" (see settings/login_out_time.h).
inline constexpr SettingName kLoginOutTimeSetting{L"Current", L"LoginOutTime"};
// The name of the device used for the last login.
inline constexpr SettingName kServNameSetting{L"Current", L"ServName"};
// kFirstOpenShown once the first-run wizard prompt has been shown, for all devices together.
inline constexpr SettingName kFirstOpenSetting{L"Used", L"FirstOpen"};
inline constexpr wchar_t kFirstOpenShown[] = L"FALSE";

// Remembered login of one device (settings/win/remembered_login.h). Their section is the device's
// name as it reported it in discovery, converted from the ANSI code page.
inline constexpr wchar_t kUserNameKey[] = L"UserName";
inline constexpr wchar_t kPassWordKey[] = L"PassWord";  // protected, see settings/win/stored_password.h
// The MAC text ("00:11:22:aa:bb:cc") of the device the login was remembered for; missing in files
// written before it was kept.
inline constexpr wchar_t kMacAddressKey[] = L"MacAddress";
