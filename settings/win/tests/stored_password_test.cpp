#include "settings/win/stored_password.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "base/win/ansi_text.h"
#include "settings/base64.h"

namespace {

TEST(StoredPassword, ShortPasswordsFillOneGroup) {
  EXPECT_EQ(EncodeStoredPassword(L"a"), L"YQ==");
  EXPECT_EQ(EncodeStoredPassword(L"ab"), L"YWI=");
  EXPECT_EQ(EncodeStoredPassword(L"abc"), L"YWJj");
  EXPECT_EQ(EncodeStoredPassword(L""), L"");
}

TEST(StoredPassword, PasswordsOfTheAnsiCodePageRoundTrip) {
  for (const wchar_t* password : {L"admin", L"P@ss w0rd!", L"15-characters..", L"p\u00e4ssw\u00f6rd"}) {
    if (FromAnsi(ToAnsi(password)) != password) continue;  // not in this code page
    EXPECT_EQ(DecodeStoredPassword(EncodeStoredPassword(password)), password);
  }
}

TEST(StoredPassword, TheBytesStoredAreThoseOfTheAnsiCodePage) {
  const std::wstring password = L"caf\u00e9";
  const std::string ansi = ToAnsi(password);
  if (FromAnsi(ansi) != password) GTEST_SKIP() << "no e-acute in this code page";
  EXPECT_EQ(DecodeBase64(ToAnsi(EncodeStoredPassword(password))), ansi);
  if (GetACP() == 1252) {
    EXPECT_EQ(EncodeStoredPassword(password), L"Y2Fm6Q==");
  }
}

TEST(StoredPassword, AHandEditedValueGivesNoPassword) {
  for (const wchar_t* stored : {L"YWJ", L"!!!!", L"YQ=a", L"YQ==YQ==", L"  YQ==", L"\u4e2d\u6587\u5bc6\u7801"})
    EXPECT_EQ(DecodeStoredPassword(stored), L"") << stored;
}

TEST(StoredPassword, AZeroByteEndsThePassword) {
  EXPECT_EQ(DecodeStoredPassword(L"YQBi"), L"a");  // "a", zero, "b"
  EXPECT_EQ(EncodeStoredPassword(std::wstring(L"a\0b", 3)), L"YQ==");
}

}  // namespace
