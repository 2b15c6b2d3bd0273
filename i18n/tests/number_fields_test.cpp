#include "i18n/number_fields.h"

#include <gtest/gtest.h>

#include "i18n/current_language.h"

TEST(NumberFields, TheVolumeTextShowsNumbersBeyondAnInt) {
  EXPECT_EQ(FillNumberFields(L"%dG Used/%dG Available", {2048, 4096}), L"2048G Used/4096G Available");
  EXPECT_EQ(FillNumberFields(L"%dG Used/%dG Available", {0, 8796093022208LL}),
            L"0G Used/8796093022208G Available");
  EXPECT_EQ(FillNumberFields(L"%d%%", {42}), L"42%");
  EXPECT_EQ(FillNumberFields(L"%d and %d", {1}), L"1 and %d");  // never reads past the numbers
  EXPECT_EQ(FillNumberFields(L"%s %", {1}), L"%s %");

  // The translated forms keep their own words around the numbers.
  ASSERT_TRUE(SetLanguage(kSimplifiedChineseLanguage));
  const std::u16string format = Translate(u"%dG Used/%dG Available");
  EXPECT_EQ(FillNumberFields(std::wstring(format.begin(), format.end()), {1, 4096}),
            L"1G \u5df2\u4f7f\u7528/4096G \u603b\u5bb9\u91cf");
  SetLanguage(-1);
}
