#include "settings/win/remembered_login.h"

#include <gtest/gtest.h>

#include "settings/setting_names.h"
#include "settings/win/settings_file.h"
#include "settings/win/stored_password.h"
#include "settings/win/tests/temp_app_data.h"

namespace {

constexpr wchar_t kFirstMac[] = L"00:11:22:33:44:01";
constexpr wchar_t kSecondMac[] = L"00:11:22:33:44:02";

class RememberedLoginTest : public ::testing::Test {
protected:
  void SetUp() override { ProcessSettings().Relocate(appData.Lookup()); }
  void TearDown() override { ProcessSettings().Relocate(RoamingAppDataFolder); }

  static std::wstring Value(const std::wstring& key) {
    std::wstring value = L"<absent>";
    ReadSetting(L"NAS", key, value);
    return value;
  }
  static std::wstring UserOf(const wchar_t* mac) {
    const auto login = ReadRememberedLogin(L"NAS", mac);
    return login ? login->userName : L"<none>";
  }

  TempAppData appData;
};

TEST_F(RememberedLoginTest, AnotherDeviceOfTheSameNameIsNotHandedTheLoginAndErasesNothing) {
  RememberLogin(L"NAS", kFirstMac, {L"alice", L"a&b #1"});
  EXPECT_EQ(Value(kMacAddressKey), kFirstMac);
  const auto login = ReadRememberedLogin(L"NAS", kFirstMac);
  ASSERT_TRUE(login);
  EXPECT_EQ(login->userName, L"alice");
  EXPECT_EQ(login->password, L"a&b #1");
  // A MAC edited by hand in capitals is still the device's.
  WriteSetting(L"NAS", kMacAddressKey, L"00:11:22:33:AA:01");
  EXPECT_EQ(UserOf(L"00:11:22:33:aa:01"), L"alice");
  WriteSetting(L"NAS", kMacAddressKey, kFirstMac);

  EXPECT_EQ(UserOf(kSecondMac), L"<none>");
  ForgetLogin(L"NAS", kSecondMac);
  ForgetRememberedUser(L"NAS", kSecondMac);
  EXPECT_EQ(UserOf(kFirstMac), L"alice");
  EXPECT_EQ(ReadRememberedLogin(L"NAS", kFirstMac)->password, L"a&b #1");

  // Its own device's rejection forgets the user name only; unticking Remember Me forgets both.
  ForgetRememberedUser(L"NAS", kFirstMac);
  EXPECT_EQ(UserOf(kFirstMac), L"<none>");
  EXPECT_NE(Value(kPassWordKey), L"<absent>");
  RememberLogin(L"NAS", kFirstMac, {L"alice", L"a&b #1"});
  ForgetLogin(L"NAS", kFirstMac);
  EXPECT_EQ(Value(kUserNameKey), L"<absent>");
  EXPECT_EQ(Value(kPassWordKey), L"<absent>");
}

TEST_F(RememberedLoginTest, ASectionWrittenBeforeTheMacWasKeptIsReadAsBeforeAndUpdatedWhenRememberedAgain) {
  WriteSetting(L"NAS", kUserNameKey, L"alice");
  WriteSetting(L"NAS", kPassWordKey, L"YSZiICMx");  // "a&b #1", the old form
  for (const wchar_t* mac : {kFirstMac, kSecondMac}) {
    const auto login = ReadRememberedLogin(L"NAS", mac);
    ASSERT_TRUE(login);
    EXPECT_EQ(login->password, L"a&b #1");
  }
  RememberLogin(L"NAS", kFirstMac, *ReadRememberedLogin(L"NAS", kFirstMac));
  EXPECT_EQ(Value(kMacAddressKey), kFirstMac);
  EXPECT_TRUE(Value(kPassWordKey).starts_with(kProtectedPasswordPrefix));
  EXPECT_EQ(ReadRememberedLogin(L"NAS", kFirstMac)->password, L"a&b #1");
  EXPECT_EQ(UserOf(kSecondMac), L"<none>");

  // Without a MAC a rejection forgets the user name whichever device of the name it came from.
  WriteSetting(L"NAS", kMacAddressKey, L"");
  ForgetRememberedUser(L"NAS", kSecondMac);
  EXPECT_EQ(UserOf(kFirstMac), L"<none>");
}

TEST_F(RememberedLoginTest, APasswordThatCannotBeReadCountsAsNoneWhileTheUserNameStays) {
  RememberLogin(L"NAS", kFirstMac, {L"alice", L"a&b #1"});
  // Damaged in the file: the protected value cut off half way (still whole groups of Base64).
  const std::wstring stored = Value(kPassWordKey);
  const size_t prefix = std::wstring_view(kProtectedPasswordPrefix).size();
  WriteSetting(L"NAS", kPassWordKey, stored.substr(0, prefix + ((stored.size() - prefix) / 2 & ~size_t{3})));
  const auto login = ReadRememberedLogin(L"NAS", kFirstMac);
  ASSERT_TRUE(login);
  EXPECT_EQ(login->userName, L"alice");
  EXPECT_EQ(login->password, L"");
}

}  // namespace
