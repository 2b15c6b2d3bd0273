#include "i18n/win/win_language.h"

#include <gtest/gtest.h>

#include "i18n/current_language.h"
#include "settings/setting_names.h"
#include "settings/win/tests/temp_app_data.h"

namespace {

class WinLanguageTest : public testing::Test {
protected:
  void SetUp() override { SetLanguage(-1); }
  void TearDown() override { SetLanguage(-1); }
};

TEST_F(WinLanguageTest, TextsAreShownAsWrittenWithoutALanguage) {
  EXPECT_EQ(Tr(L"Select NAS"), L"Select NAS");
  EXPECT_EQ(Tr(L"IP:%s"), L"IP:%s");
  EXPECT_EQ(Tr(nullptr), L"");
}

TEST_F(WinLanguageTest, TextsAreTranslatedBeforeTheyAreFilled) {
  ASSERT_TRUE(SetLanguage(kSimplifiedChineseLanguage));
  EXPECT_EQ(Tr(L"Connect"), L"\u8fde\u63a5");
  EXPECT_EQ(TrFormat(L"Welcome %s", L"admin"), L"\u6b22\u8fce" L"admin");
  EXPECT_EQ(TrFormat(L"%dG Used/%dG Available", 12, 900), L"12G \u5df2\u4f7f\u7528/900G \u603b\u5bb9\u91cf");
  EXPECT_EQ(Tr(L"select nas"), L"select nas");
}

TEST_F(WinLanguageTest, FilledTextsAreCutAtTheirBuffer) {
  EXPECT_EQ(TrFormat(L"IP:%s", L"192.0.2.7"), L"IP:192.0.2.7");
  const std::wstring longName(3000, L'n');
  const std::wstring shown = TrFormat(L"Welcome %s", longName.c_str());
  EXPECT_EQ(shown, L"Welcome " + std::wstring(1015, L'n'));
}

TEST_F(WinLanguageTest, TheLanguageKeyChoosesTheTableAtStartUp) {
  TempAppData appData;
  SettingsFile file(appData.Lookup());
  EXPECT_FALSE(ApplyLanguageSetting(file));  // no file at all
  EXPECT_EQ(CurrentLanguage(), nullptr);

  file.Write(kLanguageSetting.section, kLanguageSetting.key, L"CHT");
  ASSERT_TRUE(ApplyLanguageSetting(file));
  EXPECT_EQ(CurrentLanguage()->LanguageId(), kTraditionalChineseLanguage);
  EXPECT_EQ(Tr(L"Select NAS"), L"\u9078\u64c7NAS");

  SetLanguage(-1);
  for (const wchar_t* ignored : {L"Chs", L"eng", L"", L"CHS2"}) {
    file.Write(kLanguageSetting.section, kLanguageSetting.key, ignored);
    EXPECT_FALSE(ApplyLanguageSetting(file)) << ignored;
    EXPECT_EQ(CurrentLanguage(), nullptr);
  }

  file.Write(L"LANGUAGE", L"language", L"ENG");
  ASSERT_TRUE(ApplyLanguageSetting(file));
  EXPECT_EQ(CurrentLanguage()->LanguageId(), kEnglishLanguage);
}

}  // namespace
