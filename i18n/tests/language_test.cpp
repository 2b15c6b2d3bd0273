#include "i18n/language.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A language over a table text of the test's choosing.
class TextLanguage : public CLanguageBase {
public:
  explicit TextLanguage(const char16_t* table) : table_(table) {}
  bool LoadTable() override { return ParseTable(table_); }

private:
  const char16_t* table_;
};

std::u16string Shown(const CLanguageBase& language, const char16_t* text) {
  return language.Translate(text);
}

TEST(ParseTable, ReadsPairsAndTakesTheKeyForAnEmptyValue) {
  TextLanguage language(u"|a||b|\t\t   |c|||");
  ASSERT_TRUE(language.LoadTable());
  EXPECT_EQ(language.PairCount(), 2u);
  EXPECT_EQ(Shown(language, u"a"), u"b");
  EXPECT_EQ(Shown(language, u"c"), u"c");
}

TEST(ParseTable, IgnoresTextOutsideTheBarsAndKeepsEverythingInside) {
  TextLanguage language(u"junk|Mask:%s| -> |掩码：%s|\r\n|US &amp; Canada||美国和加拿大| end");
  ASSERT_TRUE(language.LoadTable());
  EXPECT_EQ(Shown(language, u"Mask:%s"), u"掩码：%s");
  EXPECT_EQ(Shown(language, u"US &amp; Canada"), u"美国和加拿大");
  EXPECT_EQ(Shown(language, u" -> "), u" -> ");
}

TEST(ParseTable, ALoneKeyFailsTheLoadAndLeavesNothingTranslated) {
  TextLanguage language(u"|a||b|\t\t   |c|");
  EXPECT_FALSE(language.LoadTable());
  EXPECT_EQ(language.PairCount(), 0u);
  EXPECT_EQ(Shown(language, u"a"), u"a");
  EXPECT_EQ(language.Name(), u"English");
}

TEST(ParseTable, ANullTextFailsAndKeepsTheTable) {
  TextLanguage language(u"|a||b|");
  ASSERT_TRUE(language.LoadTable());
  EXPECT_FALSE(language.ParseTable(nullptr));
  EXPECT_EQ(Shown(language, u"a"), u"b");
}

TEST(ParseTable, OddTextsGiveACleanResult) {
  struct Case {
    const char16_t* text;
    bool loads;
    std::size_t pairs;
  };
  const Case cases[] = {{u"", true, 0},      {u"no bars at all", true, 0},
                        {u"|", false, 0},    {u"||", false, 0},
                        {u"|||", true, 1},   {u"||||", true, 1},
                        {u"|a||b", true, 1},  // the last value runs to the end
                        {u"|||||", false, 0}};
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    TextLanguage language(cases[i].text);
    EXPECT_EQ(language.LoadTable(), cases[i].loads);
    EXPECT_EQ(language.PairCount(), cases[i].pairs);
    EXPECT_EQ(Shown(language, u"x"), u"x");
  }
}

TEST(ParseTable, AReloadReplacesTheEarlierTable) {
  TextLanguage language(u"|a||b|");
  ASSERT_TRUE(language.LoadTable());
  ASSERT_TRUE(language.ParseTable(u"|c||d|"));
  EXPECT_EQ(Shown(language, u"a"), u"a");
  EXPECT_EQ(Shown(language, u"c"), u"d");
}

TEST(SortTable, OrdersByCodeUnitWithPrefixesFirst) {
  // Upper case sorts before lower case, a prefix before its longer text, and a code unit above
  // 0x7FFF after the ASCII ones (no sign trouble).
  TextLanguage language(
      u"|b||1|\t|ab||2|\t|a||3|\t|B||4|\t|\xFF0C||5|\t|Ab||6|\t|ab ||7|\t|\x7F||8|");
  ASSERT_TRUE(language.LoadTable());
  for (const auto& [key, value] :
       {std::pair{u"b", u"1"}, {u"ab", u"2"}, {u"a", u"3"}, {u"B", u"4"}, {u"\xFF0C", u"5"},
        {u"Ab", u"6"}, {u"ab ", u"7"}, {u"\x7F", u"8"}})
    EXPECT_EQ(Shown(language, key), value);
}

TEST(SortTable, DuplicateKeysEndUpNextToEachOtherAndTheFirstIsFound) {
  TextLanguage language(u"|x||1|\t|setting failed.||first|\t|a||2|\t|setting failed.||second|");
  ASSERT_TRUE(language.LoadTable());
  EXPECT_EQ(Shown(language, u"setting failed."), u"first");
  EXPECT_EQ(Shown(language, u"x"), u"1");
  EXPECT_EQ(Shown(language, u"a"), u"2");
}

TEST(Translate, MatchesExactlyAndReturnsTheArgumentOtherwise) {
  TextLanguage language(u"|Select NAS||选择NAS|\t\t   |Mask:%s||掩码：%s|");
  ASSERT_TRUE(language.LoadTable());
  for (const char16_t* text :
       {u"select nas", u"Select NAS ", u"Select NA", u"Select NASs", u"IP:%s", u"", u"zzz"})
    EXPECT_EQ(language.Translate(text), text);
  EXPECT_EQ(Shown(language, u"Select NAS"), u"选择NAS");
}

TEST(Translate, ANullTextGivesTheEmptyString) {
  TextLanguage empty(u"");
  ASSERT_TRUE(empty.LoadTable());
  TextLanguage filled(u"|a||b|");
  ASSERT_TRUE(filled.LoadTable());
  const CLanguageBase* const languages[] = {&empty, &filled};
  for (const CLanguageBase* language : languages) {
    ASSERT_NE(language->Translate(nullptr), nullptr);
    EXPECT_EQ(Shown(*language, nullptr), u"");
  }
}

TEST(Translate, FindsEveryKeyOfALargerTable) {
  std::u16string table;
  for (int i = 0; i < 300; ++i) {
    const std::u16string n(1, static_cast<char16_t>(0x4E00 + i));
    table += u"|k" + n + u"||v" + n + u"|\t\t   ";
  }
  TextLanguage language(table.c_str());
  ASSERT_TRUE(language.LoadTable());
  for (int i = 0; i < 300; ++i) {
    const std::u16string n(1, static_cast<char16_t>(0x4E00 + i));
    EXPECT_EQ(Shown(language, (u"k" + n).c_str()), u"v" + n);
    EXPECT_EQ(Shown(language, (u"j" + n).c_str()), u"j" + n);
  }
}

TEST(Translate, AnswersPointIntoTheTableAndSurviveTheOriginalText) {
  std::u16string table = u"|a||b|";
  TextLanguage language(table.c_str());
  ASSERT_TRUE(language.LoadTable());
  const char16_t* first = language.Translate(u"a");
  table.assign(u"|x||y|");
  EXPECT_EQ(language.Translate(u"a"), first);
  EXPECT_EQ(std::u16string(first), u"b");
}

TEST(Languages, EnglishTranslatesOnlySnapshot) {
  CLanguageEng english;
  EXPECT_EQ(english.PairCount(), 1u);
  EXPECT_EQ(english.Name(), u"English");
  EXPECT_EQ(english.LanguageId(), 0);
  EXPECT_EQ(Shown(english, u"Select NAS"), u"Select NAS");
  EXPECT_EQ(Shown(english, u"Snapshot"), u"Snapshot");
}

TEST(Languages, ChineseTablesLoadWithTheirNames) {
  CLanguageChs simplified;
  EXPECT_EQ(simplified.Name(), u"简体中文");
  EXPECT_EQ(simplified.LanguageId(), 1);
  EXPECT_EQ(simplified.PairCount(), 214u);
  CLanguageCht traditional;
  EXPECT_EQ(traditional.Name(), u"繁體中文");
  EXPECT_EQ(traditional.LanguageId(), 2);
  EXPECT_EQ(traditional.PairCount(), 214u);
}

}  // namespace
