// The remembered password of a device as the settings file keeps it. It is written protected for
// the user by the system's data protection (CryptProtectData, current user): the text
// kProtectedPasswordPrefix followed by the Base64 of the protected data. The prefix holds a
// character that Base64 never produces, which tells it from the form written before: the password
// in the thread's ANSI code page, Base64-encoded. Both forms are read; an old one is written
// protected the next time the login is remembered.
#pragma once
#include <string>
#include <string_view>

inline constexpr wchar_t kProtectedPasswordPrefix[] = L"DPAPI:";

// The protected form of `password`; empty (no password kept) for the empty password and when the
// system cannot protect it.
std::wstring EncodeStoredPassword(std::wstring_view password);

// The password that `stored` holds, in either form. A value that cannot be read (damaged, protected
// for another user or on another computer, not Base64 after a hand edit) gives the empty password,
// as if none was remembered; the password ends at a zero, as it did when it was stored.
std::wstring DecodeStoredPassword(std::wstring_view stored);
