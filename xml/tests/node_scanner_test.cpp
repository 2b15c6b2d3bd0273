#include "xml/node_scanner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<Node> ScanAll(std::u16string_view text) {
  std::vector<Node> nodes;
  NodeScanner scanner(text);
  Node node;
  while (scanner.Next(node)) nodes.push_back(node);
  EXPECT_EQ(node.kind, NodeKind::kEndOfDocument);
  return nodes;
}

char Letter(NodeKind kind) {
  switch (kind) {
    case NodeKind::kError: return 'X';
    case NodeKind::kEndTag: return 'E';
    case NodeKind::kStartTag: return 'S';
    case NodeKind::kText: return 'T';
    case NodeKind::kWhitespace: return 'W';
    case NodeKind::kCdata: return 'D';
    case NodeKind::kProcessingInstruction: return 'P';
    case NodeKind::kComment: return 'C';
    case NodeKind::kDocumentType: return 'Y';
    case NodeKind::kEndOfDocument: break;
  }
  return '?';
}

// The nodes as kind letters with lengths, e.g. "S3 T1 E4".
std::string Shape(std::u16string_view text) {
  std::string shape;
  for (const Node& node : ScanAll(text)) {
    if (!shape.empty()) shape += ' ';
    shape += Letter(node.kind) + std::to_string(node.length);
  }
  return shape;
}

std::u16string NameOf(std::u16string_view text, const Node& node) {
  return std::u16string(text.substr(node.nameBegin, node.nameEnd - node.nameBegin));
}

Node Only(std::u16string_view text) {
  const std::vector<Node> nodes = ScanAll(text);
  EXPECT_EQ(nodes.size(), 1u);
  return nodes.empty() ? Node{} : nodes[0];
}

}  // namespace

TEST(NodeScanner, ClassifiesEveryKindOfNode) {
  EXPECT_EQ(Shape(u"<?xml version=\"1.0\"?>\n<!DOCTYPE a><!-- c --><a>x<![CDATA[y]]></a>"),
            "P21 W1 Y12 C10 S3 T1 D13 E4");
  EXPECT_EQ(Shape(u""), "");
}

TEST(NodeScanner, WhitespaceCountsAsANodeOnlyBeforeMarkupOrTheEnd) {
  EXPECT_EQ(Shape(u" \t\r\n<a>"), "W4 S3");
  EXPECT_EQ(Shape(u"  x <a>"), "T4 S3");
  EXPECT_EQ(Shape(u"  "), "W2");
  // A '>' in text neither ends it nor turns the spaces after it into droppable whitespace.
  EXPECT_EQ(Shape(u"a>b  <c/>"), "T5 S4");
  EXPECT_EQ(Shape(u"x>  <c/>"), "T4 S4");
}

TEST(NodeScanner, TagNamesEndAtWhitespaceSlashOrCloseAndTagsAtTheFirstCloseOutsideValues) {
  const std::u16string_view quoted = u"<a b=\"x>y\" c = 'p>q'>";
  Node node = Only(quoted);
  EXPECT_EQ(node.kind, NodeKind::kStartTag);
  EXPECT_EQ(node.length, static_cast<std::int32_t>(quoted.size()));
  EXPECT_EQ(NameOf(quoted, node), u"a");

  EXPECT_EQ(NameOf(u"<a<b>", Only(u"<a<b>")), u"a<b");  // '<' inside a tag is ordinary
  node = Only(u"</a\t>");
  EXPECT_EQ(node.kind, NodeKind::kEndTag);
  EXPECT_EQ(NameOf(u"</a\t>", node), u"a");
  EXPECT_EQ(NameOf(u"</>", Only(u"</>")), u"");
  // Non-ASCII and the other characters above 0x60 start names; digits and '-' do not.
  EXPECT_EQ(Shape(u"<\u4E2D/><{a/><_a/><:a/><Z/>"), "S4 S5 S5 S5 S4");
  EXPECT_EQ(Shape(u"<1/><-a/>"), "X4 X5");
  // A quote not after '=' opens no value.
  EXPECT_EQ(Shape(u"<a \"b>c\">"), "S6 T3");
}

TEST(NodeScanner, EmptyElementsEndWithSlashAfterTheNameWhitespaceOrAQuote) {
  for (const std::u16string_view empty : {u"<a/>", u"<a />", u"<a b=\"1\"/>", u"<a b='1'/>",
                                          u"<a\n/>"}) {
    EXPECT_TRUE(Only(empty).empty) << std::string(empty.begin(), empty.end());
  }
  for (const std::u16string_view open : {u"<a b=1/>", u"<a/b>", u"<ab>", u"</a/>"}) {
    EXPECT_FALSE(Only(open).empty) << std::string(open.begin(), open.end());
  }
}

TEST(NodeScanner, TerminatorsMayNotOverlapTheirOpeners) {
  EXPECT_EQ(Shape(u"<!-->x-->"), "C9");
  EXPECT_EQ(Shape(u"<?>x?>"), "P6");
  EXPECT_EQ(Shape(u"<!---->"), "C7");
  EXPECT_EQ(Shape(u"<![CDATA[]]>"), "D12");
  EXPECT_EQ(Shape(u"<![C]]>"), "D7");  // only the 'C' of the opener is checked
  EXPECT_EQ(Shape(u"<!-- a > b -- > c -->"), "C21");
}

TEST(NodeScanner, SyntaxErrorsRunToTheNextCloseOrOpen) {
  struct Case {
    std::u16string_view text;
    SyntaxError error;
    const char* shape;
  };
  const Case cases[] = {
      {u"<1a>t", SyntaxError::kFirstTag, "X4 T1"},
      {u"< a>", SyntaxError::kFirstTag, "X4"},
      {u"<<a>", SyntaxError::kFirstTag, "X1 S3"},
      {u"<!x>", SyntaxError::kExclamationTag, "X4"},
      {u"<!-x<a>", SyntaxError::kCommentTag, "X4 S3"},
      {u"<![x>", SyntaxError::kCdataSection, "X5"},
      {u"<!doctype a>", SyntaxError::kExclamationTag, "X12"},
      {u"<1 no close", SyntaxError::kFirstTag, "X11"},
  };
  for (const Case& c : cases) {
    const std::string text(c.text.begin(), c.text.end());
    EXPECT_EQ(Shape(c.text), c.shape) << text;
    const Node first = ScanAll(c.text).front();
    EXPECT_EQ(first.error, c.error) << text;
    EXPECT_EQ(first.start, 0) << text;
  }
}

TEST(NodeScanner, DocumentTypeSkipsNestedDeclarationsCommentsAndTheirQuotes) {
  const std::u16string_view doctype =
      u"<!DOCTYPE a [<!ENTITY e \"x>y\"><!-- > --><!ATTLIST a b CDATA 'q>'><!NOTATION n>]>";
  EXPECT_EQ(Shape(std::u16string(doctype) + u"<a/>"),
            "Y" + std::to_string(doctype.size()) + " S4");

  const Node bad = ScanAll(u"<a/><!DOCTYPE a [<!x>]><b/>")[1];
  EXPECT_EQ(bad.kind, NodeKind::kError);
  EXPECT_EQ(bad.error, SyntaxError::kDoctypeTag);
  EXPECT_EQ(bad.start, 4);
  EXPECT_EQ(Shape(u"<!DOCTYPE a [<!-x>]>"), "X18 T2");
}

TEST(NodeScanner, TextEndingInsideMarkupNamesWhatWasOpen) {
  struct Case {
    std::u16string_view markup;
    std::u16string_view type;
  };
  const Case cases[] = {
      {u"<", u"tag"},
      {u"<!", u"tag"},
      {u"<!-", u"tag"},
      {u"<![", u"tag"},
      {u"<a", u"start_tag"},
      {u"<a b=\"x>", u"start_tag"},
      {u"</", u"end_tag"},
      {u"</a", u"end_tag"},
      {u"<!--x--", u"comment"},
      {u"<![CDATA[x]]", u"cdata_section"},
      {u"<?x?", u"processing_instruction"},
      {u"<!D", u"document_type"},
      {u"<!DOCTYPE a [<!ENTITY e 'x>", u"document_type"},
      {u"<!DOCTYPE a [<!-- x", u"document_type"},
      {u"<!DOCTYPE a [<!-", u"document_type"},
  };
  for (const Case& c : cases) {
    const std::u16string text = u"ab" + std::u16string(c.markup);
    const std::vector<Node> nodes = ScanAll(text);
    ASSERT_EQ(nodes.size(), 2u) << std::string(c.markup.begin(), c.markup.end());
    EXPECT_EQ(nodes[1].kind, NodeKind::kError);
    EXPECT_EQ(nodes[1].error, SyntaxError::kUnterminated);
    EXPECT_EQ(nodes[1].start, 2);
    EXPECT_EQ(nodes[1].End(), static_cast<std::int32_t>(text.size()));
    EXPECT_EQ(nodes[1].unterminatedType, c.type) << std::string(c.markup.begin(), c.markup.end());
  }
}
