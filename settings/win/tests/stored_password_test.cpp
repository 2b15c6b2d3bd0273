#include "settings/win/stored_password.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "base/win/ansi_text.h"
#include "settings/base64.h"

namespace {

std::wstring OldForm(const std::wstring& password) { return FromAnsi(EncodeBase64(ToAnsi(password))); }

// The bytes behind the prefix of a protected value.
std::string ProtectedBytes(const std::wstring& stored) {
  const std::wstring_view prefix = kProtectedPasswordPrefix;
  EXPECT_TRUE(stored.starts_with(prefix)) << stored;
  return DecodeBase64(ToAnsi(stored.substr(prefix.size()))).value_or("");
}

TEST(StoredPassword, TheValueWrittenHoldsNothingThatReadsAsThePassword) {
  // Long enough not to turn up in the protected bytes by chance.
  for (const std::wstring password : {L"a&b #1", L"15-characters..", L"\u5bc6\u7801\u5bc6\u7801"}) {
    const std::wstring stored = EncodeStoredPassword(password);
    EXPECT_EQ(stored.find(password), std::wstring::npos);
    EXPECT_EQ(DecodeBase64(ToAnsi(stored)), std::nullopt) << "told apart from the old form";
    const std::string bytes = ProtectedBytes(stored);
    const std::string utf16(reinterpret_cast<const char*>(password.data()), password.size() * sizeof(wchar_t));
    EXPECT_EQ(bytes.find(utf16), std::string::npos);
    EXPECT_EQ(bytes.find(ToAnsi(password)), std::string::npos);
    // Even a password outside the ANSI code page comes back whole.
    EXPECT_EQ(DecodeStoredPassword(stored), password);
  }
  EXPECT_EQ(EncodeStoredPassword(L""), L"");
}

TEST(StoredPassword, TheOldBase64FormOfTheAnsiCodePageIsStillRead) {
  EXPECT_EQ(DecodeStoredPassword(L"YQ=="), L"a");
  EXPECT_EQ(DecodeStoredPassword(L"YWI="), L"ab");
  EXPECT_EQ(DecodeStoredPassword(L"YWJj"), L"abc");
  EXPECT_EQ(DecodeStoredPassword(L"YSZiICMx"), L"a&b #1");
  EXPECT_EQ(DecodeStoredPassword(L""), L"");
  for (const wchar_t* password : {L"admin", L"P@ss w0rd!", L"p\u00e4ssw\u00f6rd", L"caf\u00e9"}) {
    if (FromAnsi(ToAnsi(password)) != password) continue;  // not in this code page
    EXPECT_EQ(DecodeStoredPassword(OldForm(password)), password);
  }
  if (GetACP() == 1252) {
    EXPECT_EQ(DecodeStoredPassword(L"Y2Fm6Q=="), L"caf\u00e9");
  }
}

TEST(StoredPassword, AValueThatCannotBeReadGivesNoPassword) {
  for (const wchar_t* stored : {L"YWJ", L"!!!!", L"YQ=a", L"YQ==YQ==", L"  YQ==", L"\u4e2d\u6587\u5bc6\u7801",
                                L"DPAPI:", L"DPAPI:YQ==", L"DPAPI:not base64", L"dpapi:YQ=="})
    EXPECT_EQ(DecodeStoredPassword(stored), L"") << stored;

  // A protected value damaged in the file: a byte of the sealed data changed, or its end cut off.
  const std::wstring stored = EncodeStoredPassword(L"a&b #1");
  std::string bytes = ProtectedBytes(stored);
  ASSERT_GT(bytes.size(), 32u);
  std::string flipped = bytes;
  flipped[flipped.size() - 8] ^= 0x01;
  EXPECT_EQ(DecodeStoredPassword(kProtectedPasswordPrefix + FromAnsi(EncodeBase64(flipped))), L"");
  EXPECT_EQ(DecodeStoredPassword(kProtectedPasswordPrefix + FromAnsi(EncodeBase64(bytes.substr(0, bytes.size() / 2)))),
            L"");
}

TEST(StoredPassword, AZeroEndsThePassword) {
  EXPECT_EQ(DecodeStoredPassword(L"YQBi"), L"a");  // "a", zero, "b"
  EXPECT_EQ(DecodeStoredPassword(EncodeStoredPassword(std::wstring(L"a\0b", 3))), L"a");
}

}  // namespace
