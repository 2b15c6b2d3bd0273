#include "xml/xml_navigator.h"

#include <gtest/gtest.h>

namespace {

XmlNavigator Loaded(std::u16string_view text) {
  XmlNavigator nav;
  nav.SetDocument(text);
  return nav;
}

// The text of the root's only child element.
std::u16string ChildText(std::u16string_view text) {
  XmlNavigator nav = Loaded(text);
  EXPECT_TRUE(nav.FindChildElement());
  return nav.GetChildText();
}

std::u16string RootText(std::u16string_view text) {
  XmlNavigator nav = Loaded(text);
  EXPECT_TRUE(nav.FindElement());
  return nav.GetElementText();
}

}  // namespace

TEST(XmlNavigator, NothingIsFoundWithoutADocument) {
  for (const bool load : {false, true}) {
    XmlNavigator nav;
    if (load) {
      EXPECT_FALSE(nav.SetDocument(u""));
    }
    EXPECT_FALSE(nav.IsWellFormed());
    EXPECT_FALSE(nav.FindElement());
    EXPECT_FALSE(nav.FindChildElement(u"a"));
    EXPECT_FALSE(nav.EnterElement());
    EXPECT_FALSE(nav.LeaveElement());
    EXPECT_EQ(nav.GetElementText(), u"");
    EXPECT_EQ(nav.GetChildText(), u"");
  }
}

TEST(XmlNavigator, RepeatedChildSearchesWalkTheChildrenInOrderAndStopAtTheLast) {
  XmlNavigator nav = Loaded(u"<a><b>1</b><c>x</c><b>2</b></a>");
  ASSERT_TRUE(nav.FindChildElement(u"b"));
  EXPECT_EQ(nav.GetChildText(), u"1");
  ASSERT_TRUE(nav.FindChildElement(u"b"));
  EXPECT_EQ(nav.GetChildText(), u"2");
  EXPECT_FALSE(nav.FindChildElement(u"b"));
  EXPECT_EQ(nav.GetChildText(), u"2");  // the child position stays on the second b
  EXPECT_FALSE(nav.FindChildElement(u"c"));  // no wrap-around
  EXPECT_EQ(nav.GetElementText(), u"");  // the main position is the root, which has children
}

TEST(XmlNavigator, NamesMatchExactlyAsFarAsTheTagNameGoesAndPathsMatchNothing) {
  const std::u16string_view text = u"<r><bb/><b;x/><c=1/><d a='1'/><e[1]/><f\u00E9/></r>";
  for (const std::u16string_view name : {u"b", u"c", u"d", u"f\u00E9"}) {
    XmlNavigator nav = Loaded(text);
    EXPECT_TRUE(nav.FindChildElement(name)) << std::string(name.begin(), name.end());
  }
  for (const std::u16string_view name :
       {u"B", u"bb/", u"b;x", u"c=1", u"/d", u"r/d", u"d a", u"e[1]", u"e", u"f", u"[", u"d\t"}) {
    XmlNavigator nav = Loaded(text);
    EXPECT_FALSE(nav.FindChildElement(name)) << std::string(name.begin(), name.end());
  }
  XmlNavigator nav = Loaded(text);
  EXPECT_FALSE(nav.FindElement(u"/r"));
  EXPECT_TRUE(nav.FindElement(u"r"));
}

TEST(XmlNavigator, EnteringBeforeTheFirstChildSearchesTheChildrenAndLeavingComesBack) {
  XmlNavigator nav = Loaded(u"<a><b>1</b><c>2</c></a>");
  EXPECT_FALSE(nav.EnterElement());  // no main element yet
  ASSERT_TRUE(nav.FindElement(u"a"));
  EXPECT_FALSE(nav.LeaveElement());  // already at the top level
  ASSERT_TRUE(nav.EnterElement());   // the main position is now before a's first child
  EXPECT_EQ(nav.GetElementText(), u"");
  EXPECT_FALSE(nav.EnterElement());
  ASSERT_TRUE(nav.FindElement(u"c"));
  EXPECT_EQ(nav.GetElementText(), u"2");
  EXPECT_FALSE(nav.FindElement(u"b"));
  ASSERT_TRUE(nav.LeaveElement());
  EXPECT_EQ(nav.GetChildText(), u"2");  // the element left from is the child position
  EXPECT_FALSE(nav.FindChildElement(u"b"));
  EXPECT_FALSE(nav.LeaveElement());
}

TEST(XmlNavigator, TheAnswerParsersPatternReadsNestedValues) {
  XmlNavigator nav = Loaded(
      u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- answer -->\n<config>\n"
      u"  <hd_info><device_num>2</device_num>\n"
      u"    <item><device_name>sda</device_name><hd_GiB_size>931</hd_GiB_size></item>\n"
      u"    <item><device_name>sdb</device_name><hd_GiB_size>1863</hd_GiB_size></item>\n"
      u"  </hd_info>\n</config>\n");
  ASSERT_TRUE(nav.IsWellFormed());
  ASSERT_TRUE(nav.FindChildElement(u"hd_info"));
  ASSERT_TRUE(nav.EnterElement());
  ASSERT_TRUE(nav.FindChildElement(u"device_num"));
  EXPECT_EQ(nav.GetChildText(), u"2");
  std::u16string names;
  while (nav.FindChildElement(u"item")) {
    ASSERT_TRUE(nav.EnterElement());
    ASSERT_TRUE(nav.FindChildElement(u"device_name"));
    ASSERT_TRUE(nav.EnterElement());
    names += nav.GetElementText() + u",";
    ASSERT_TRUE(nav.LeaveElement());
    ASSERT_TRUE(nav.FindChildElement(u"hd_GiB_size"));
    names += nav.GetChildText() + u";";
    ASSERT_TRUE(nav.LeaveElement());
  }
  EXPECT_EQ(names, u"sda,931;sdb,1863;");
  ASSERT_TRUE(nav.LeaveElement());
  EXPECT_FALSE(nav.LeaveElement());
}

TEST(XmlNavigator, FailedSearchesMoveNothing) {
  XmlNavigator nav = Loaded(u"<r><a>1</a><b><c>3</c></b></r>");
  ASSERT_TRUE(nav.FindChildElement(u"b"));
  EXPECT_FALSE(nav.FindChildElement(u"zz"));
  EXPECT_FALSE(nav.FindElement(u"zz"));
  ASSERT_TRUE(nav.EnterElement());
  EXPECT_TRUE(nav.FindChildElement(u"c"));  // still inside b
  EXPECT_EQ(nav.GetChildText(), u"3");
}

TEST(XmlNavigator, TopLevelSiblingsAreIndexedEvenThoughTheDocumentIsNotWellFormed) {
  XmlNavigator nav;
  EXPECT_FALSE(nav.SetDocument(u"<a>x</a><c>y</c>"));
  EXPECT_FALSE(nav.IsWellFormed());
  ASSERT_TRUE(nav.FindElement(u"c"));
  EXPECT_EQ(nav.GetElementText(), u"y");
  EXPECT_FALSE(nav.FindElement(u"a"));
}

TEST(XmlNavigator, ALoadResetsPositionsAndDiagnostics) {
  XmlNavigator nav;
  nav.SetDocument(u"<a><b><c/></b></a><x/>");
  ASSERT_TRUE(nav.FindChildElement(u"b"));
  ASSERT_TRUE(nav.EnterElement());
  EXPECT_FALSE(nav.ResultLog().empty());
  ASSERT_TRUE(nav.SetDocument(u"<b><c>new</c></b>"));
  EXPECT_EQ(nav.ResultLog(), u"");
  EXPECT_FALSE(nav.LeaveElement());
  ASSERT_TRUE(nav.FindChildElement(u"c"));
  EXPECT_EQ(nav.GetChildText(), u"new");
}

TEST(ElementText, IsEmptyForElementsWithoutEndTagOrWithChildElements) {
  EXPECT_EQ(RootText(u"<a><b/>text</a>"), u"");
  EXPECT_EQ(RootText(u"<a>text<b></b></a>"), u"");
  EXPECT_EQ(RootText(u"<a x='t'/>"), u"");
  EXPECT_EQ(ChildText(u"<r><a>t</r>"), u"");  // unended
  EXPECT_EQ(RootText(u"<a></a>"), u"");
}

TEST(ElementText, KeepsAllOfPlainContentAndDropsWhitespaceBetweenMarkup) {
  EXPECT_EQ(RootText(u"<a> \t\r\n </a>"), u" \t\r\n ");
  EXPECT_EQ(RootText(u"<a> 1 <!-- c --> 2 </a>"), u" 1  2 ");
  EXPECT_EQ(RootText(u"<a> <![CDATA[x]]> \n <![CDATA[y]]> </a>"), u"xy");
  EXPECT_EQ(RootText(u"<a>x>  <!--c--></a>"), u"x>  ");
  EXPECT_EQ(RootText(u"<a><?pi x?>t<!DOCTYPE q>u</a>"), u"tu");
}

TEST(ElementText, TakesCdataRawAndDecodesReferencesElsewhere) {
  EXPECT_EQ(RootText(u"<a>x &amp; y &lt;&#65;&#x42;&apos;</a>"), u"x & y <AB'");
  EXPECT_EQ(RootText(u"<a>AT&T; &unknown; &#0; a&b</a>"), u"AT&T; &unknown; &#0; a&b");
  EXPECT_EQ(RootText(u"<a>&#x1F600;</a>"), u"\U0001F600");
  EXPECT_EQ(RootText(u"<a><![CDATA[<x>&amp;]]></a>"), u"<x>&amp;");
  EXPECT_EQ(RootText(u"<a>&lt;<![CDATA[&lt;]]>&gt;</a>"), u"<&lt;>");
  EXPECT_EQ(RootText(u"<a><![C]]>t</a>"), u"t");  // a section shorter than its opener
}

TEST(ElementText, SkipsMalformedMarkupInsideTheContent) {
  EXPECT_EQ(RootText(u"<a>x</b>y</a>"), u"xy");
  EXPECT_EQ(RootText(u"<a>1<2>3</a>"), u"13");  // "<2>" is an error node
  EXPECT_EQ(RootText(u"<a b=\"x>y\">t</a>"), u"t");
}
