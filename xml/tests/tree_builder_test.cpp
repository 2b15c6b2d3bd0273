// The element tree as a load leaves it: links, lengths, flags and diagnostics.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "xml/testing/index_check.h"
#include "xml/xml_navigator.h"

namespace {

std::int32_t Offset(std::u16string_view text, std::u16string_view part) {
  return static_cast<std::int32_t>(text.find(part));
}

// The children of `parent`, by index, along the sibling links.
std::vector<std::int32_t> Children(const ElementIndex& index, std::int32_t parent) {
  std::vector<std::int32_t> children;
  for (std::int32_t c = index[parent].firstChild; c != 0; c = index[c].nextSibling) {
    children.push_back(c);
  }
  return children;
}

using Indexes = std::vector<std::int32_t>;

}  // namespace

TEST(TreeBuilding, LinksChildrenAndSiblingsInDocumentOrder) {
  const std::u16string_view text = u"<r><a/><b><c/></b><d x='1'/></r>";
  XmlNavigator nav;
  ASSERT_TRUE(nav.SetDocument(text));
  const ElementIndex& index = nav.Index();
  EXPECT_EQ(CheckElementIndex(index), "");
  ASSERT_EQ(index.Used(), 6);  // document, r, a, b, c, d
  EXPECT_EQ(index[0].firstChild, 1);
  EXPECT_EQ(index[0].length, static_cast<std::int32_t>(text.size()));
  EXPECT_EQ(Children(index, 1), (Indexes{2, 3, 5}));
  EXPECT_EQ(Children(index, 3), (Indexes{4}));
  EXPECT_EQ(index[2].prevSibling, 5);  // the first child names the last one
  EXPECT_EQ(index[5].prevSibling, 3);
  EXPECT_NE(index[2].flags & ElementEntry::kFirstChild, 0u);
  EXPECT_EQ(index[3].flags & ElementEntry::kFirstChild, 0u);
  EXPECT_EQ(index[4].flags & ElementEntry::kLevelMask, 2u);

  const ElementEntry& b = index[3];
  EXPECT_EQ(b.start, Offset(text, u"<b>"));
  EXPECT_EQ(b.startTagLength, 3);
  EXPECT_EQ(b.endTagLength, 4);
  EXPECT_EQ(b.length, Offset(text, u"</b>") + 4 - b.start);
  EXPECT_EQ(index[5].length, 10);  // an empty element is its start tag
  EXPECT_EQ(index[5].endTagLength, 0);
  EXPECT_EQ(nav.ResultLog(), u"");
}

TEST(TreeBuilding, AnUnendedElementKeepsItsStartTagAndHandsItsChildrenUp) {
  const std::u16string text = u"<a><b><c/>x<d></d></a>";
  XmlNavigator nav;
  EXPECT_FALSE(nav.SetDocument(text));
  const ElementIndex& index = nav.Index();
  EXPECT_EQ(CheckElementIndex(index), "");
  // a=1, b=2, c=3, d=4: c and d now follow b as children of a, in their order.
  EXPECT_EQ(Children(index, 1), (Indexes{2, 3, 4}));
  EXPECT_EQ(Children(index, 2), Indexes{});
  EXPECT_EQ(index[3].parent, 1);
  EXPECT_EQ(index[3].flags & ElementEntry::kFirstChild, 0u);
  EXPECT_EQ(index[2].length, 3);
  EXPECT_NE(index[2].flags & ElementEntry::kUnended, 0u);
  EXPECT_EQ(index[1].length, static_cast<std::int32_t>(text.size()));  // a closes normally
  EXPECT_NE(index[0].flags & ElementEntry::kIllFormed, 0u);
  const std::u16string expected = u"<unended_start_tag tagname=\"b\" offset=\"3\" offset2=\"" +
                                  std::u16string(u"19") + u"\"/>";
  ASSERT_EQ(Offset(text, u"</a>") + 1, 19);  // offset2 is the '/' of the closing end tag
  EXPECT_EQ(nav.ResultLog(), expected);
}

TEST(TreeBuilding, NestedUnendedElementsAreLoggedInnermostFirstAndPassErrorsOutward) {
  const std::u16string text = u"<r><a><b><c><1></r>";
  XmlNavigator nav;
  EXPECT_FALSE(nav.SetDocument(text));
  const ElementIndex& index = nav.Index();
  EXPECT_EQ(CheckElementIndex(index), "");
  EXPECT_EQ(Children(index, 1), (Indexes{2, 3, 4}));
  for (std::int32_t e = 2; e <= 4; ++e) {
    EXPECT_EQ(index[e].flags & ElementEntry::kErrorInside, 0u) << e;
    EXPECT_NE(index[e].flags & ElementEntry::kUnended, 0u) << e;
  }
  EXPECT_NE(index[1].flags & ElementEntry::kErrorInside, 0u);
  EXPECT_EQ(nav.ResultLog(),
            u"<first_tag_syntax offset=\"12\"/>"
            u"<unended_start_tag tagname=\"c\" offset=\"9\" offset2=\"16\"/>"
            u"<unended_start_tag tagname=\"b\" offset=\"6\" offset2=\"16\"/>"
            u"<unended_start_tag tagname=\"a\" offset=\"3\" offset2=\"16\"/>");
}

TEST(TreeBuilding, TheEndOfTheTextClosesWhatIsStillOpen) {
  XmlNavigator nav;
  EXPECT_FALSE(nav.SetDocument(u"<a><b>t"));
  const ElementIndex& index = nav.Index();
  EXPECT_EQ(CheckElementIndex(index), "");
  EXPECT_EQ(Children(index, 0), (Indexes{1, 2}));  // both are now top-level
  EXPECT_EQ(nav.ResultLog(),
            u"<unended_start_tag tagname=\"b\" offset=\"3\" offset2=\"7\"/>"
            u"<unended_start_tag tagname=\"a\" offset=\"0\" offset2=\"7\"/>"
            u"<root_has_sibling/>");
}

TEST(TreeBuilding, AnEndTagMatchingNoOpenElementIsIgnoredButMarksTheDocument) {
  XmlNavigator nav;
  EXPECT_FALSE(nav.SetDocument(u"<a></b></a>"));
  const ElementIndex& index = nav.Index();
  EXPECT_EQ(index[1].length, 11);
  EXPECT_NE(index[1].flags & ElementEntry::kErrorInside, 0u);
  EXPECT_EQ(index[1].flags & ElementEntry::kUnended, 0u);
  EXPECT_EQ(nav.ResultLog(), u"<lone_end_tag tagname=\"b\" offset=\"3\"/>");

  EXPECT_FALSE(nav.SetDocument(u"</x><a/>"));
  EXPECT_NE(nav.Index()[0].flags & ElementEntry::kErrorInside, 0u);
  EXPECT_EQ(nav.Index()[0].firstChild, 1);
}

TEST(TreeBuilding, EndTagsMatchTheWholeNameWithCaseRespected) {
  XmlNavigator nav;
  EXPECT_FALSE(nav.SetDocument(u"<a><A></a>"));
  EXPECT_NE(nav.Index()[2].flags & ElementEntry::kUnended, 0u);
  EXPECT_FALSE(nav.SetDocument(u"<ab></a></ab>"));
  EXPECT_EQ(nav.ResultLog(), u"<lone_end_tag tagname=\"a\" offset=\"4\"/>");
  EXPECT_TRUE(nav.SetDocument(u"<a:b x='1'></a:b >"));
  // The innermost open element of the name is closed: the outer <a> stays open.
  EXPECT_FALSE(nav.SetDocument(u"<a><a></a>"));
  EXPECT_EQ(nav.Index()[2].length, 7);
  EXPECT_NE(nav.Index()[1].flags & ElementEntry::kUnended, 0u);
}

TEST(TreeBuilding, ADocumentNeedsExactlyOneTopLevelElement) {
  XmlNavigator nav;
  EXPECT_FALSE(nav.SetDocument(u""));
  EXPECT_EQ(nav.ResultLog(), u"");
  EXPECT_FALSE(nav.SetDocument(u"only text <!-- and a comment -->"));
  EXPECT_EQ(nav.ResultLog(), u"<no_root_element/>");
  EXPECT_FALSE(nav.SetDocument(u"<a>x</a><c/>"));
  EXPECT_EQ(nav.ResultLog(), u"<root_has_sibling/>");
  EXPECT_EQ(Children(nav.Index(), 0), (Indexes{1, 2}));
  EXPECT_TRUE(nav.SetDocument(u"HTTP/1.1 200 OK\r\n\r\n<?xml version=\"1.0\"?>\n<!DOCTYPE r>"
                              u"<!-- c --><r/>\n<!-- after -->\n"));
}

TEST(TreeBuilding, SyntaxErrorsAreLoggedAtTheNodeStartAndMarkTheEnclosingElement) {
  XmlNavigator nav;
  EXPECT_FALSE(nav.SetDocument(u"<a><!x></a>"));
  EXPECT_EQ(nav.ResultLog(), u"<exclamation_tag_syntax offset=\"3\"/>");
  EXPECT_NE(nav.Index()[1].flags & ElementEntry::kErrorInside, 0u);
  EXPECT_EQ(nav.Index()[1].length, 11);

  EXPECT_FALSE(nav.SetDocument(u"<a><!-- x"));
  EXPECT_EQ(nav.ResultLog(),
            u"<unterminated_tag_syntax type=\"comment\" offset=\"3\"/>"
            u"<unended_start_tag tagname=\"a\" offset=\"0\" offset2=\"9\"/>");
}

TEST(TreeBuilding, TheResultLogStopsGrowingAfter999Characters) {
  std::u16string text = u"<a>";
  for (int i = 0; i < 300; ++i) text += u"</b>";
  text += u"</a>";
  XmlNavigator nav;
  EXPECT_FALSE(nav.SetDocument(text));
  const std::u16string& log = nav.ResultLog();
  EXPECT_GT(log.size(), 999u);
  EXPECT_LT(log.size(), 999u + 50);
  EXPECT_EQ(log.substr(log.size() - 2), u"/>");

  // Names quoted from the document are escaped and cut, so one entry stays small.
  text = u"<a></x\"&<" + std::u16string(100000, u'n') + u"></a>";
  EXPECT_FALSE(nav.SetDocument(text));
  EXPECT_EQ(nav.ResultLog(), u"<lone_end_tag tagname=\"x&quot;&amp;&lt;" +
                                 std::u16string(DiagnosticLog::kQuotedNameLimit - 4, u'n') +
                                 u"\" offset=\"3\"/>");
}

TEST(TreeBuilding, TheIndexIsSizedFromTheTextGrowsByHalfAndIsReused) {
  XmlNavigator nav;
  nav.SetDocument(std::u16string(6400, u' '));
  EXPECT_EQ(nav.Index().Capacity(), 108u);  // 6400 / 64 + 8

  std::u16string many = u"<r>";
  for (int i = 0; i < 1000; ++i) many += u"<a/>";
  many += u"</r>";  // 4007 characters: 70 entries to start with, 1002 needed
  ASSERT_TRUE(nav.SetDocument(many));
  EXPECT_EQ(nav.Index().Used(), 1002);
  std::size_t capacity = 108;  // reused, then grown by half each time it is full
  while (capacity < 1002) capacity += capacity / 2;
  EXPECT_EQ(nav.Index().Capacity(), capacity);

  ASSERT_TRUE(nav.SetDocument(u"<small/>"));
  EXPECT_EQ(nav.Index().Capacity(), capacity);
  EXPECT_EQ(nav.Index().Used(), 2);
}
