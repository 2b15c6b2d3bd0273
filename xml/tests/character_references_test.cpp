#include "xml/character_references.h"

#include <gtest/gtest.h>

#include <set>

#include "xml/named_references.h"

namespace {

std::u16string Decoded(std::u16string_view text) {
  std::u16string out;
  AppendDecoded(out, text);
  return out;
}

std::u16string Lowered(std::u16string_view name) {
  std::u16string lowered(name);
  for (char16_t& c : lowered) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 32);
  }
  return lowered;
}

}  // namespace

TEST(CharacterReferences, DecodesTheXmlEntitiesAndNumericReferences) {
  EXPECT_EQ(Decoded(u"x &amp; y &lt;&#65;&#x42;&apos;"), u"x & y <AB'");
  EXPECT_EQ(Decoded(u"&quot;&gt;&#X43;&#x6a;&#x6A;"), u"\">Cjj");
  EXPECT_EQ(Decoded(u"&#x1F600;"), u"\U0001F600");
  EXPECT_EQ(Decoded(u"&#1114111;"), u"\U0010FFFF");
  EXPECT_EQ(Decoded(u"&#65abc;."), u"A.");  // digits are read as far as they go
  EXPECT_EQ(Decoded(u"&thetasym;&nbsp;"), u"\u03D1\u00A0");
}

TEST(CharacterReferences, KeepsEveryAmpersandThatStartsNoCompleteKnownReference) {
  for (const std::u16string_view kept :
       {u"AT&T; &unknown; &#0; a&b", u"&amp", u"&", u"&;", u"&#;", u"&#x;", u"&#xg;",
        u"&abcdefghij;",              // ten characters before the ';'
        u"&#x0010FFFF;",              // so is this one
        u"&#x110000;", u"&#9999999;",  // beyond the last code point
        u"&am\u00E9;", u"&\u4E2D;"}) {
    EXPECT_EQ(Decoded(kept), kept) << std::string(kept.begin(), kept.end());
  }
  EXPECT_EQ(Decoded(u"&&amp;&#&lt;"), u"&&&#<");  // scanning resumes right after a kept '&'
}

TEST(CharacterReferences, NamesSpelledExactlyWinAndOtherwiseCaseIsIgnored) {
  EXPECT_EQ(Decoded(u"&Agrave;&agrave;&AGRAVE;"), u"\u00C0\u00E0\u00C0");
  EXPECT_EQ(Decoded(u"&dArr;&darr;&DARR;&Darr;"), u"\u21D3\u2193\u21D3\u21D3");
  EXPECT_EQ(Decoded(u"&Dagger;&dagger;&Prime;&prime;"), u"\u2021\u2020\u2033\u2032");
  EXPECT_EQ(Decoded(u"&Sigma;&sigma;&sigmaf;&SIGMAF;"), u"\u03A3\u03C3\u03C2\u03C2");
  EXPECT_EQ(Decoded(u"&AMP;&Lt;&APOS;&Euro;"), u"&<'\u20AC");
}

TEST(CharacterReferences, TheTableHoldsHtml401AndAposEachFoundByItsName) {
  const auto table = NamedReferences();
  EXPECT_EQ(table.size(), 253u);
  std::set<std::u16string_view> names;
  std::set<std::u16string> lowered;
  for (const NamedReference& entry : table) {
    EXPECT_TRUE(names.insert(entry.name).second);
    EXPECT_EQ(FindNamedReference(entry.name), entry.codePoint);
    // Of two names equal but for case, the capitalised one comes first: it is what a
    // spelling matching neither exactly reads as.
    if (!lowered.insert(Lowered(entry.name)).second) {
      EXPECT_EQ(entry.name, Lowered(entry.name));
    }
  }
  EXPECT_EQ(lowered.size(), 253u - 64u);  // 64 pairs differ only in case
  EXPECT_EQ(FindNamedReference(u"apos"), U'\'');
  EXPECT_EQ(FindNamedReference(u"euro"), U'\u20AC');
  EXPECT_EQ(FindNamedReference(u"nope"), std::nullopt);
}
