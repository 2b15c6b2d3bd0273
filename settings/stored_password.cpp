#include "settings/stored_password.h"

#include "net/ansi_text.h"
#include "settings/base64.h"

std::wstring EncodeStoredPassword(std::wstring_view password) {
  return FromAnsi(EncodeBase64(ToAnsi(password)));
}

std::wstring DecodeStoredPassword(std::wstring_view stored) {
  const std::optional<std::string> bytes = DecodeBase64(ToAnsi(stored));
  if (!bytes) return {};
  return FromAnsi(std::string_view(*bytes).substr(0, bytes->find('\0')));
}
