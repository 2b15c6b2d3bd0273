// Inputs far from a device answer: very deep, very long, or malformed in every way. None may
// break the index, and all of them are walked to the end.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "xml/testing/element_walk.h"
#include "xml/testing/index_check.h"
#include "xml/xml_navigator.h"

namespace {

constexpr int kDeep = 100000;

std::u16string Repeated(std::u16string_view part, int times) {
  std::u16string text;
  text.reserve(part.size() * static_cast<std::size_t>(times));
  for (int i = 0; i < times; ++i) text += part;
  return text;
}

// Loads `text`, checks the index and walks every element, reading every text.
std::int64_t LoadAndWalk(XmlNavigator& nav, std::u16string_view text) {
  const bool wellFormed = nav.SetDocument(text);
  EXPECT_EQ(wellFormed, nav.IsWellFormed());
  if (!text.empty()) {
    EXPECT_EQ(wellFormed, nav.ResultLog().empty());
  }
  EXPECT_EQ(CheckElementIndex(nav.Index()), "");
  const std::int64_t visited = WalkEveryElement(nav, [&](XmlNavigator& at) {
    EXPECT_LE(at.GetElementText().size(), text.size());
  });
  EXPECT_EQ(visited, nav.Index().Used() - 1);
  return visited;
}

}  // namespace

TEST(Robustness, AHundredThousandLevelsLoadAndAreWalkedWithoutRecursion) {
  const std::u16string text = Repeated(u"<a>", kDeep) + u"deep" + Repeated(u"</a>", kDeep);
  XmlNavigator nav;
  EXPECT_EQ(LoadAndWalk(nav, text), kDeep);
  ASSERT_TRUE(nav.SetDocument(text));
  EXPECT_EQ(nav.Index()[1000].flags & ElementEntry::kLevelMask, 999u);
  EXPECT_EQ(nav.Index()[kDeep].flags & ElementEntry::kLevelMask, 0xFFFFu);  // capped, not wrapped
  for (int level = 1; level < kDeep; ++level) {
    ASSERT_TRUE(nav.FindChildElement(u"a"));
    ASSERT_TRUE(nav.EnterElement());
  }
  EXPECT_EQ(nav.GetElementText(), u"deep");
  for (int level = 1; level < kDeep; ++level) ASSERT_TRUE(nav.LeaveElement());
  EXPECT_FALSE(nav.LeaveElement());
}

// Each of these costs a walk over the open elements per tag when done naively.
TEST(Robustness, DeepUnendedElementsAndLoneEndTagsStayLinear) {
  XmlNavigator nav;
  EXPECT_EQ(LoadAndWalk(nav, Repeated(u"<a>", kDeep) + Repeated(u"</b>", kDeep)), kDeep);
  EXPECT_LT(nav.ResultLog().size(), 1100u);
  EXPECT_EQ(LoadAndWalk(nav, u"<r>" + Repeated(u"<a>", kDeep) + u"</r>"), kDeep + 1);
  EXPECT_EQ(LoadAndWalk(nav, Repeated(u"<r><a>", kDeep / 2) + Repeated(u"</r>", kDeep / 2)), kDeep);
  EXPECT_EQ(LoadAndWalk(nav, Repeated(u"<a><b/>", kDeep / 2)), kDeep);
}

TEST(Robustness, ElementsBeyondTheFirstIndexSegmentAreReachable) {
  std::u16string text = u"<r>";
  for (int i = 0; i < 200000; ++i) {
    text += u"<i>";
    text += static_cast<char16_t>(u'a' + i % 26);
    text += u"</i>";
  }
  text += u"</r>";
  XmlNavigator nav;
  EXPECT_EQ(LoadAndWalk(nav, text), 200001);
  ASSERT_TRUE(nav.SetDocument(text));
  for (int i = 1; i <= 150000; ++i) ASSERT_TRUE(nav.FindChildElement(u"i"));
  // Item 150000 has index 150001, in the third segment.
  EXPECT_EQ(nav.GetChildText(), std::u16string(1, static_cast<char16_t>(u'a' + 149999 % 26)));
}

// Both tag lengths packed into one 32-bit field (22 and 10 bits) would cut these short.
TEST(Robustness, HugeStartTagsAndLongEndTagsKeepTheirLengths) {
  const std::u16string text = u"<r><a v=\"" + std::u16string(5'000'000, u'x') + u"\">text</a" +
                              std::u16string(2000, u' ') + u"></r>";
  XmlNavigator nav;
  ASSERT_TRUE(nav.SetDocument(text));
  ASSERT_TRUE(nav.FindChildElement(u"a"));
  EXPECT_EQ(nav.GetChildText(), u"text");
  EXPECT_EQ(nav.Index()[2].endTagLength, 2004);
}

TEST(Robustness, MalformedFragmentsNeverBreakTheIndex) {
  XmlNavigator nav;
  for (const std::u16string_view text :
       {u"<", u">", u"</", u"<a", u"<a/", u"</a>", u"<!", u"<![CDATA[", u"<!---->", u"<?", u"&",
        u"<a></a></a></a>", u"<a><b></a></b>", u"<a><b><c></a></c></b>", u"<a/></a>",
        u"<a><!-- </a> -->", u"<a b='</a>'>", u"<a b=\"", u"<<<<>>>>", u"<a><<b>>",
        u"<\uFFFF>\uFFFF</\uFFFF>", u"<a>&#xD800;&#x10FFFF;&#99999999;</a>",
        u"<!DOCTYPE [<!ENTITY <!-- -->>]><a/>", u"<a>]]></a>", u"<a><![CDATA[</a>]]>"}) {
    LoadAndWalk(nav, text);
  }
  const char16_t loneSurrogate[] = {0xD800, u'<', u'a', u'>', 0xDC00};
  LoadAndWalk(nav, std::u16string_view(loneSurrogate, 5));
}

// Random text over the characters that matter to the scanner, from a fixed seed.
TEST(Robustness, RandomMarkupNeverBreaksTheIndex) {
  const std::u16string_view alphabet = u"<<<>>>//!?!?--[[]]CDaab=\"' \n&;#x1\u00E9";
  std::mt19937 random(20240611);
  XmlNavigator nav;
  for (int round = 0; round < 3000; ++round) {
    std::u16string text(random() % 200, u' ');
    for (char16_t& c : text) c = alphabet[random() % alphabet.size()];
    LoadAndWalk(nav, text);
    if (HasFailure()) {
      ADD_FAILURE() << "round " << round;
      break;
    }
  }
}
