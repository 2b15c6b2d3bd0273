// A device's name under the ANSI code pages of Simplified Chinese (936), Traditional Chinese (950)
// and Western European (1252) Windows: the conversions follow the thread's locale (CP_THREAD_ACP),
// so each case runs with the thread in that locale. The same name in the code page's own bytes and
// in UTF-8 bytes must both read right.
#include <windows.h>

#include <gtest/gtest.h>

#include "base/win/ansi_text.h"

namespace {

struct CodePageName {
  LCID locale;
  UINT codePage;
  const char* nativeBytes;
  const wchar_t* text;
};

// 家庭存储 (Simplified), 家庭存儲 (Traditional) and Café, each in its code page's bytes.
constexpr CodePageName kNames[] = {
    {MAKELCID(0x0804, SORT_DEFAULT), 936, "\xBC\xD2\xCD\xA5\xB4\xE6\xB4\xA2", L"\x5BB6\x5EAD\x5B58\x50A8"},
    {MAKELCID(0x0404, SORT_DEFAULT), 950, "\xAE\x61\xAE\x78\xA6\x73\xC0\x78", L"\x5BB6\x5EAD\x5B58\x5132"},
    {MAKELCID(0x0409, SORT_DEFAULT), 1252, "Caf\xE9", L"Caf\x00E9"},
};

std::string Utf8Of(const wchar_t* text) {
  char bytes[64] = {};
  WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes, sizeof bytes, nullptr, nullptr);
  return bytes;
}

class DeviceTextUnderTheCodePage : public testing::TestWithParam<CodePageName> {
 protected:
  void SetUp() override { ASSERT_TRUE(SetThreadLocale(GetParam().locale)); }
  void TearDown() override { SetThreadLocale(original_); }

 private:
  LCID original_ = GetThreadLocale();
};

TEST_P(DeviceTextUnderTheCodePage, NativeAndUtf8NamesBothReadRight) {
  const CodePageName& name = GetParam();
  ASSERT_EQ(ToAnsi(name.text), name.nativeBytes) << "the thread's code page is not " << name.codePage;
  EXPECT_EQ(FromDeviceText(name.nativeBytes), name.text);
  // Every name in UTF-8 reads right under any code page (the English locale's reading of
  // 家庭存储's UTF-8 bytes would be "å®¶åº­å­˜å‚¨", the Chinese one's "瀹跺涵瀛樺偍").
  for (const CodePageName& other : kNames) EXPECT_EQ(FromDeviceText(Utf8Of(other.text)), other.text);
  // Everything else the device sends keeps the code page's reading.
  EXPECT_EQ(FromAnsi(name.nativeBytes), name.text);
  EXPECT_EQ(FromDeviceText("HomeNAS"), L"HomeNAS");
}

INSTANTIATE_TEST_SUITE_P(CodePages, DeviceTextUnderTheCodePage, testing::ValuesIn(kNames));

}  // namespace
