// The remembered password of a device as the settings file keeps it: the password in the thread's
// ANSI code page, Base64-encoded, kept as UTF-16 text.
#pragma once
#include <string>
#include <string_view>

std::wstring EncodeStoredPassword(std::wstring_view password);

// The password that `stored` holds. A value that is not Base64 (a hand-edited file) gives the
// empty password, as if none was remembered; the password ends at a zero byte, as it did when
// it was stored.
std::wstring DecodeStoredPassword(std::wstring_view stored);
