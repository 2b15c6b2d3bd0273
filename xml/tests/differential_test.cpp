// Compares the navigator with pugixml on generated well-formed documents: every element's text,
// found by name the way the answer parsers find it, must equal what pugixml reads, under the
// reader's rules (no text for elements with child elements, whitespace between markup dropped,
// CDATA raw). The documents use only the five XML entities and numeric references, which both
// readers decode alike. Document n comes from seed kSeed + n, so any failure can be replayed.
#include <gtest/gtest.h>

#include <pugixml.hpp>

#include <cstdio>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

#include "xml/xml_navigator.h"

namespace {

constexpr std::uint32_t kSeed = 0x58d1f00d;
constexpr int kDocuments = 4000;
constexpr int kMaxDepth = 6;

class DocumentGenerator {
public:
  explicit DocumentGenerator(std::uint32_t seed) : random_(seed) {}

  std::u16string Document() {
    std::u16string out;
    if (Chance(50)) out += u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>";
    if (Chance(20)) out += Chance(50) ? u"\n<!DOCTYPE config>" : u"<!DOCTYPE r [<!ELEMENT r ANY>]>";
    Miscellany(out);
    Element(out, 0);
    Miscellany(out);
    return out;
  }

private:
  bool Chance(unsigned percent) { return random_() % 100 < percent; }
  std::size_t Pick(std::size_t count) { return random_() % count; }
  template <class List>
  const auto& OneOf(const List& list) {
    return list[Pick(std::size(list))];
  }
  template <class T>
  T OneOf(std::initializer_list<T> list) {
    return list.begin()[Pick(list.size())];
  }

  // Comments, processing instructions and whitespace, as allowed outside the root.
  void Miscellany(std::u16string& out) {
    for (std::size_t n = Pick(3); n > 0; --n) {
      switch (Pick(3)) {
        case 0: Comment(out); break;
        case 1: ProcessingInstruction(out); break;
        default: Whitespace(out);
      }
    }
  }

  void Element(std::u16string& out, int depth) {
    static constexpr std::u16string_view kNames[] = {
        u"a", u"item", u"status", u"hd_GiB_size", u"x.y", u"n-1", u"ns:tag", u"_u", u"Z9",
        u"\u00E9t\u00E9", u"\u4E2D\u6587", u"B"};
    const std::u16string_view name = OneOf(kNames);
    out += u'<';
    out += name;
    for (std::size_t n = Pick(3); n > 0; --n) Attribute(out);
    if (Chance(15)) {
      out += OneOf({u"/>", u" />", u"\n/>"});
      return;
    }
    out += u'>';
    // The upper levels always branch, so that documents hold some dozens of elements.
    const bool withChildren = depth < 2 || (depth < kMaxDepth && Chance(40));
    for (std::size_t n = Pick(withChildren ? 7 : 4); n > 0; --n) {
      if (withChildren && Chance(60)) {
        Element(out, depth + 1);
      } else {
        Content(out);
      }
    }
    if (withChildren) Element(out, depth + 1);
    out += u"</";
    out += name;
    out += OneOf({u">", u">", u"  >", u"\n>"});
  }

  void Attribute(std::u16string& out) {
    static constexpr std::u16string_view kAttributes[] = {
        u" id=\"1\"",          u" v='a>b'",   u" path = \"x/y/\"", u" q=\"it's\"",
        u" s='say \"hi\"'",    u" e=\"&amp;\"", u" lt=\"&lt;/x&gt;\"", u"\n\tk='&#x41;'"};
    out += OneOf(kAttributes);
  }

  void Content(std::u16string& out) {
    switch (Pick(8)) {
      case 0: case 1: case 2: Text(out); break;
      case 3: Reference(out); break;
      case 4: Cdata(out); break;
      case 5: Comment(out); break;
      case 6: ProcessingInstruction(out); break;
      default: Whitespace(out);
    }
  }

  void Text(std::u16string& out) {
    static constexpr std::u16string_view kCharacters[] = {
        u"a", u"Z", u"0", u"9", u" ", u"\t", u"\n", u"\r", u">", u"'", u"\"", u"=", u"/", u"?",
        u"!", u";", u"#", u"\u00E9", u"\u4E2D", u"\U0001F600", u"\u00A0", u"item"};
    for (std::size_t n = 1 + Pick(12); n > 0; --n) out += OneOf(kCharacters);
  }

  void Reference(std::u16string& out) {
    static constexpr std::u16string_view kEntities[] = {u"&amp;", u"&lt;", u"&gt;", u"&quot;",
                                                        u"&apos;"};
    if (Chance(40)) {
      out += OneOf(kEntities);
      return;
    }
    // No references to whitespace: the readers tell whitespace between markup apart before
    // decoding (navigator) and after it (pugixml).
    static constexpr char32_t kRanges[][2] = {
        {0x21, 0x7E}, {0xA1, 0x7FF}, {0x800, 0xD7FF}, {0xE000, 0xFFFD}, {0x10000, 0x10FFFF}};
    const auto& range = OneOf(kRanges);
    const char32_t cp = range[0] + static_cast<char32_t>(Pick(range[1] - range[0] + 1));
    char digits[16];
    std::snprintf(digits, sizeof digits, Chance(50) ? "&#%u;" : "&#x%X;",
                  static_cast<unsigned>(cp));
    for (const char* d = digits; *d != 0; ++d) out += static_cast<char16_t>(*d);
  }

  // Random text over `alphabet` in which `forbidden` never occurs and that never ends in `tail`.
  std::u16string Filler(std::u16string_view alphabet, std::u16string_view forbidden,
                        char16_t tail) {
    std::u16string text;
    for (std::size_t n = Pick(10); n > 0; --n) {
      text += alphabet[Pick(alphabet.size())];
      if (text.find(forbidden) != std::u16string::npos) text.pop_back();
    }
    if (!text.empty() && text.back() == tail) text.pop_back();
    return text;
  }

  void Cdata(std::u16string& out) {
    out += u"<![CDATA[" + Filler(u"x <>&;]]-\n\u00E9", u"]]>", 0) + u"]]>";
  }
  void Comment(std::u16string& out) {
    out += u"<!--" + Filler(u"c <>&-\n", u"--", u'-') + u"-->";
  }
  void ProcessingInstruction(std::u16string& out) {
    out += u"<?pi" + (u" " + Filler(u"p <>&?\n", u"?>", u'?')) + u"?>";
  }
  void Whitespace(std::u16string& out) {
    for (std::size_t n = 1 + Pick(4); n > 0; --n) out += OneOf({u' ', u'\t', u'\r', u'\n'});
  }

  std::mt19937 random_;
};

std::u16string ToU16(const pugi::char_t* utf8) {
  std::u16string out;
  for (const wchar_t w : pugi::as_wide(utf8)) {
    const auto cp = static_cast<char32_t>(w);
    if (cp < 0x10000) {
      out += static_cast<char16_t>(cp);
    } else {
      out += static_cast<char16_t>(0xD800 | ((cp - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 | (cp & 0x3FF));
    }
  }
  return out;
}

std::string Printable(const std::u16string& text) {
  std::wstring wide;
  for (const char16_t c : text) wide += static_cast<wchar_t>(c);  // enough for a message
  return pugi::as_utf8(wide);
}

bool IsWhitespaceOnly(std::u16string_view text) {
  return text.find_first_not_of(u" \t\r\n") == std::u16string_view::npos;
}

// The text the navigator's rules give, read from pugixml's tree of the element.
std::u16string ExpectedText(const pugi::xml_node& element) {
  bool markup = false;
  for (const pugi::xml_node& child : element.children()) {
    if (child.type() == pugi::node_element) return {};
    if (child.type() != pugi::node_pcdata) markup = true;
  }
  std::u16string text;
  for (const pugi::xml_node& child : element.children()) {
    const std::u16string value = ToU16(child.value());
    if (child.type() == pugi::node_cdata) text += value;
    if (child.type() == pugi::node_pcdata && (!markup || !IsWhitespaceOnly(value))) text += value;
  }
  return text;
}

// Walks pugixml's tree and the navigator together; the navigator's main element is `element`.
void CompareChildren(XmlNavigator& nav, const pugi::xml_node& element, const std::string& path) {
  for (const pugi::xml_node& child : element.children()) {
    if (child.type() != pugi::node_element) continue;
    const std::u16string name = ToU16(child.name());
    const std::string at = path + "/" + child.name();
    ASSERT_TRUE(nav.FindChildElement(name)) << at;
    const std::u16string expected = ExpectedText(child);
    ASSERT_EQ(nav.GetChildText(), expected) << at << ": " << Printable(expected);
    ASSERT_TRUE(nav.EnterElement()) << at;
    ASSERT_EQ(nav.GetElementText(), expected) << at;
    CompareChildren(nav, child, at);
    if (::testing::Test::HasFatalFailure()) return;
    ASSERT_TRUE(nav.LeaveElement()) << at;
  }
  ASSERT_FALSE(nav.FindChildElement()) << path << " has more children than pugixml sees";
}

}  // namespace

TEST(DifferentialWithPugixml, EveryElementTextMatchesOnGeneratedDocuments) {
  constexpr unsigned kParse = pugi::parse_cdata | pugi::parse_escapes | pugi::parse_ws_pcdata |
                              pugi::parse_comments | pugi::parse_pi;
  XmlNavigator nav;
  std::int64_t elements = 0;
  for (int n = 0; n < kDocuments; ++n) {
    const std::u16string text = DocumentGenerator(kSeed + n).Document();
    SCOPED_TRACE("document " + std::to_string(n) + ": " + Printable(text));
    pugi::xml_document reference;
    const pugi::xml_parse_result parsed = reference.load_buffer(
        text.data(), text.size() * sizeof(char16_t), kParse, pugi::encoding_utf16_le);
    ASSERT_TRUE(parsed) << parsed.description();
    ASSERT_TRUE(nav.SetDocument(text)) << Printable(nav.ResultLog());
    const pugi::xml_node root = reference.document_element();
    ASSERT_TRUE(nav.FindElement(ToU16(root.name())));
    ASSERT_EQ(nav.GetElementText(), ExpectedText(root));
    CompareChildren(nav, root, root.name());
    if (HasFatalFailure()) return;
    elements += nav.Index().Used() - 1;
  }
  EXPECT_GT(elements, 20 * kDocuments);  // the documents are not trivially small
}
