#include "base/device_text.h"

#include <gtest/gtest.h>

namespace {

constexpr auto kUtf8 = DeviceTextEncoding::kUtf8;
constexpr auto kAnsi = DeviceTextEncoding::kAnsiCodePage;

TEST(DeviceTextEncoding, Utf8OnlyWhenValidAndBeyondAscii) {
  EXPECT_EQ(ChooseDeviceTextEncoding("\xE5\xAE\xB6\xE5\xBA\xAD\xE5\xAD\x98\xE5\x82\xA8"), kUtf8);  // 家庭存储
  EXPECT_EQ(ChooseDeviceTextEncoding("NAS-\xC3\xA9t\xC3\xA9"), kUtf8);                        // NAS-été
  EXPECT_EQ(ChooseDeviceTextEncoding("\xF0\x9F\x93\x80 disk"), kUtf8);                         // four bytes
  // Plain ASCII reads the same either way and stays with the code page.
  EXPECT_EQ(ChooseDeviceTextEncoding("HomeNAS"), kAnsi);
  EXPECT_EQ(ChooseDeviceTextEncoding(""), kAnsi);
}

TEST(DeviceTextEncoding, NationalCodePagesStayWithTheCodePage) {
  EXPECT_EQ(ChooseDeviceTextEncoding("\xBC\xD2\xCD\xA5\xB4\xE6\xB4\xA2"), kAnsi);  // 家庭存储 in GBK
  EXPECT_EQ(ChooseDeviceTextEncoding("\xAE\x61\xAE\x78\xA6\x73\xC0\x78"), kAnsi);  // 家庭存儲 in Big5
  EXPECT_EQ(ChooseDeviceTextEncoding("Caf\xE9"), kAnsi);                         // Café in 1252
}

TEST(DeviceTextEncoding, MalformedSequencesAreNotUtf8) {
  EXPECT_EQ(ChooseDeviceTextEncoding("\xC3"), kAnsi);              // cut short
  EXPECT_EQ(ChooseDeviceTextEncoding("\xC0\xAF"), kAnsi);          // overlong
  EXPECT_EQ(ChooseDeviceTextEncoding("\xE0\x80\xAF"), kAnsi);      // overlong, three bytes
  EXPECT_EQ(ChooseDeviceTextEncoding("\xED\xA0\x80"), kAnsi);      // a surrogate
  EXPECT_EQ(ChooseDeviceTextEncoding("\xF4\x90\x80\x80"), kAnsi);  // beyond U+10FFFF
  EXPECT_EQ(ChooseDeviceTextEncoding("\xE5\xAE\xB6\x80"), kAnsi);  // a stray continuation byte
}

}  // namespace
