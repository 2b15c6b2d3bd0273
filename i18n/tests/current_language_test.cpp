#include "i18n/current_language.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Every test starts and ends with no language set, as a run does before start-up.
class CurrentLanguageTest : public testing::Test {
protected:
  void SetUp() override { SetLanguage(-1); }
  void TearDown() override { SetLanguage(-1); }
};

std::u16string Shown(const char16_t* text) { return Translate(text); }

TEST_F(CurrentLanguageTest, WithoutALanguageTextsAreShownAsWritten) {
  EXPECT_EQ(CurrentLanguage(), nullptr);
  const char16_t* text = u"Select NAS";
  EXPECT_EQ(Translate(text), text);
  EXPECT_EQ(Shown(nullptr), u"");
}

TEST_F(CurrentLanguageTest, EachIdMakesItsLanguageCurrent) {
  ASSERT_TRUE(SetLanguage(kEnglishLanguage));
  EXPECT_EQ(CurrentLanguage()->LanguageId(), 0);
  EXPECT_EQ(Shown(u"Select NAS"), u"Select NAS");

  ASSERT_TRUE(SetLanguage(kSimplifiedChineseLanguage));
  EXPECT_EQ(CurrentLanguage()->LanguageId(), 1);
  EXPECT_EQ(Shown(u"Select NAS"), u"选择NAS");

  ASSERT_TRUE(SetLanguage(kTraditionalChineseLanguage));
  EXPECT_EQ(CurrentLanguage()->LanguageId(), 2);
  EXPECT_EQ(Shown(u"Select NAS"), u"選擇NAS");
  EXPECT_EQ(Shown(u"IP:%s"), u"IP:%s");
  EXPECT_EQ(Shown(u"Mask:%s"), u"子網路遮罩：%s");
}

TEST_F(CurrentLanguageTest, AnUnknownIdLeavesNoLanguage) {
  ASSERT_TRUE(SetLanguage(kSimplifiedChineseLanguage));
  EXPECT_FALSE(SetLanguage(3));
  EXPECT_EQ(CurrentLanguage(), nullptr);
  EXPECT_EQ(Shown(u"Select NAS"), u"Select NAS");
}

TEST_F(CurrentLanguageTest, OnlyTheExactSettingValuesChooseALanguage) {
  for (const char16_t* value : {u"", u"eng", u"Chs", u"cht", u"CHS ", u" CHT", u"CHN", u"EN"}) {
    EXPECT_FALSE(SetLanguageFromSetting(value));
    EXPECT_EQ(CurrentLanguage(), nullptr);
  }
  const std::pair<const char16_t*, int> chosen[] = {
      {u"ENG", kEnglishLanguage}, {u"CHS", kSimplifiedChineseLanguage},
      {u"CHT", kTraditionalChineseLanguage}};
  for (const auto& [value, id] : chosen) {
    ASSERT_TRUE(SetLanguageFromSetting(value));
    EXPECT_EQ(CurrentLanguage()->LanguageId(), id);
  }
}

}  // namespace
