#include "settings/win/stored_password.h"

#include "base/win/ansi_text.h"
#include "settings/base64.h"

std::wstring EncodeStoredPassword(std::wstring_view password) {
  // A password is a zero-terminated text on its way to the device, so a zero ends it here too.
  return FromAnsi(EncodeBase64(ToAnsi(password.substr(0, password.find(L'\0')))));
}

std::wstring DecodeStoredPassword(std::wstring_view stored) {
  const std::optional<std::string> bytes = DecodeBase64(ToAnsi(stored));
  if (!bytes) return {};
  return FromAnsi(std::string_view(*bytes).substr(0, bytes->find('\0')));
}
