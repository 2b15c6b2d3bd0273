// The script language's lines and numbers.
#include <gtest/gtest.h>

#include "tools/uidriver/script_words.h"

using Words = std::vector<std::string>;

TEST(ScriptLine, WordsQuotesEscapesAndComments) {
  EXPECT_EQ(SplitScriptLine("  click\tIDC_CONNECT  \r").words, (Words{"click", "IDC_CONNECT"}));
  EXPECT_EQ(SplitScriptLine(R"(type 1018 "a&b #1")").words, (Words{"type", "1018", "a&b #1"}));
  EXPECT_EQ(SplitScriptLine(R"(await "x\"y\\z\nw" text 5)").words,
            (Words{"await", "x\"y\\z\nw", "text", "5"}));
  EXPECT_EQ(SplitScriptLine(R"(await "" text 5)").words, (Words{"await", "", "text", "5"}));
  EXPECT_EQ(SplitScriptLine("click 5 # the comment").words, (Words{"click", "5"}));
  EXPECT_EQ(SplitScriptLine(R"(type 5 "# not a comment")").words, (Words{"type", "5", "# not a comment"}));
  EXPECT_EQ(SplitScriptLine(R"(window title="Two words" has=5)").words,
            (Words{"window", "title=Two words", "has=5"}));
  EXPECT_EQ(SplitScriptLine(R"(text a"b c"d)").words, (Words{"text", "ab cd"}));
  EXPECT_TRUE(SplitScriptLine("   # only a comment").words.empty());
  EXPECT_TRUE(SplitScriptLine("").words.empty());
  // UTF-8 passes through unchanged.
  EXPECT_EQ(SplitScriptLine("text \"歡迎 admin\"").words, (Words{"text", "歡迎 admin"}));
}

TEST(ScriptLine, BrokenQuotingIsAnErrorNotAGuess) {
  EXPECT_EQ(SplitScriptLine(R"(type 5 "open)").error, "unterminated quote");
  EXPECT_EQ(SplitScriptLine(R"(type 5 "ends in a backslash\)").error, "unterminated quote");
  EXPECT_EQ(SplitScriptLine(R"(type 5 "a\tb")").error, "unknown escape \\t");
  EXPECT_TRUE(SplitScriptLine(R"(type 5 "open)").words.empty());
}

TEST(ScriptNumber, DecimalAndHexadecimalWholeNumbersOnly) {
  EXPECT_EQ(ParseNumber("1009"), 1009);
  EXPECT_EQ(ParseNumber("0xFFFF"), 0xFFFF);
  EXPECT_EQ(ParseNumber("0"), 0);
  EXPECT_EQ(ParseNumber(""), std::nullopt);
  EXPECT_EQ(ParseNumber("0x"), std::nullopt);
  EXPECT_EQ(ParseNumber("12ab"), std::nullopt);
  EXPECT_EQ(ParseNumber("IDC_CONNECT"), std::nullopt);
  EXPECT_EQ(ParseNumber("99999999999"), std::nullopt);
}

TEST(ScriptAddress, FourDecimalOctetsAndNothingElse) {
  EXPECT_EQ(ParseDottedAddress("192.0.2.31"), (std::array<int, 4>{192, 0, 2, 31}));
  EXPECT_EQ(ParseDottedAddress("255.255.255.0"), (std::array<int, 4>{255, 255, 255, 0}));
  EXPECT_EQ(ParseDottedAddress("0.0.0.0"), (std::array<int, 4>{0, 0, 0, 0}));
  for (const char* bad : {"", "192.0.2", "192.0.2.31.4", "192.0.2.256", "192.0..31", "192.0.2.", ".0.2.31",
                          "192.0.2.0x1f", "192.0.2.-1", "192.0.2.+1", "192.0.2. 31", "1920.0.2.31"})
    EXPECT_EQ(ParseDottedAddress(bad), std::nullopt) << bad;
}
