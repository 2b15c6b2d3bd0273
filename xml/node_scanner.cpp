#include "xml/node_scanner.h"

#include <array>
#include <cstdint>

namespace {

// Character classes of the ASCII range; every other character is an ordinary name character.
enum CharClass : std::uint8_t {
  kWhitespace = 1,
  kNameStart = 2,
  kNameEnd = 4,   // ends a tag name: whitespace, '/' and '>'
  kTagMark = 8,   // needs a look inside a tag: whitespace, '>', '=' and the quotes
};

constexpr std::array<std::uint8_t, 128> MakeClasses() {
  std::array<std::uint8_t, 128> classes{};
  for (const char c : {' ', '\t', '\n', '\r'}) classes[c] = kWhitespace | kNameEnd | kTagMark;
  for (char c = 'A'; c <= 'Z'; ++c) classes[c] = kNameStart;
  for (int c = 0x61; c < 128; ++c) classes[c] = kNameStart;  // all above 0x60 start names
  classes['_'] = classes[':'] = kNameStart;
  classes['/'] = kNameEnd;
  classes['>'] = kNameEnd | kTagMark;
  classes['='] = classes['"'] = classes['\''] = kTagMark;
  return classes;
}

constexpr std::array<std::uint8_t, 128> kClasses = MakeClasses();

bool Is(char16_t c, CharClass what) {
  return c < 128 ? (kClasses[c] & what) != 0 : what == kNameStart;
}

bool IsWhitespace(char16_t c) { return Is(c, kWhitespace); }
bool IsQuote(char16_t c) { return c == u'"' || c == u'\''; }

void SetPlain(Node& node, NodeKind kind, std::int32_t end) {
  node.kind = kind;
  node.length = end - node.start;
}

}  // namespace

bool NodeScanner::Next(Node& node) {
  node.start = offset_;
  node.nameBegin = node.nameEnd = 0;
  node.empty = false;
  node.error = SyntaxError::kNone;
  if (offset_ == size_) {
    SetPlain(node, NodeKind::kEndOfDocument, offset_);
    return false;
  }
  if (text_[offset_] == u'<') {
    ScanMarkup(node);
  } else {
    ScanCharacterData(node);
  }
  offset_ = node.End();
  return true;
}

// A '>' in text is an ordinary character: splitting text there would turn the whitespace after
// it into a whitespace node, which element content drops, and so lose characters of the text.
void NodeScanner::ScanCharacterData(Node& node) const {
  std::int32_t i = node.start;
  while (i < size_ && IsWhitespace(text_[i])) ++i;
  if (i == size_ || text_[i] == u'<') return SetPlain(node, NodeKind::kWhitespace, i);
  const std::int32_t markup = Find(u'<', i);
  SetPlain(node, NodeKind::kText, markup < 0 ? size_ : markup);
}

void NodeScanner::ScanMarkup(Node& node) const {
  const std::int32_t at = node.start + 1;
  if (at == size_) return SetUnterminated(node, u"tag");
  const char16_t c = text_[at];
  if (Is(c, kNameStart)) return ScanTag(node, NodeKind::kStartTag, at);
  switch (c) {
    case u'/':
      return ScanTag(node, NodeKind::kEndTag, at + 1);
    case u'?':
      return ScanUntil(node, NodeKind::kProcessingInstruction, at + 1, u"?>",
                       u"processing_instruction");
    case u'!':
      return ScanExclamation(node);
    default:
      return SetError(node, SyntaxError::kFirstTag, at);
  }
}

void NodeScanner::ScanExclamation(Node& node) const {
  const std::int32_t at = node.start + 2;
  if (at == size_) return SetUnterminated(node, u"tag");
  switch (text_[at]) {
    case u'-':
      if (at + 1 == size_) return SetUnterminated(node, u"tag");
      if (text_[at + 1] != u'-') return SetError(node, SyntaxError::kCommentTag, at + 1);
      return ScanUntil(node, NodeKind::kComment, at + 2, u"-->", u"comment");
    case u'[':
      if (at + 1 == size_) return SetUnterminated(node, u"tag");
      if (text_[at + 1] != u'C') return SetError(node, SyntaxError::kCdataSection, at + 1);
      return ScanUntil(node, NodeKind::kCdata, at + 2, u"]]>", u"cdata_section");
    case u'D':
      return ScanDocumentType(node, at + 1);
    default:
      return SetError(node, SyntaxError::kExclamationTag, at);
  }
}

// A tag ends at the first '>' outside a quoted value; a quote opens a value only after '='.
void NodeScanner::ScanTag(Node& node, NodeKind kind, std::int32_t nameBegin) const {
  std::int32_t i = nameBegin;
  while (i < size_ && !Is(text_[i], kNameEnd)) ++i;
  const std::int32_t nameEnd = i;
  bool afterEquals = false;
  for (; i < size_; ++i) {
    const char16_t c = text_[i];
    if (!Is(c, kTagMark)) {
      afterEquals = false;
    } else if (c == u'>') {
      SetPlain(node, kind, i + 1);
      node.nameBegin = nameBegin;
      node.nameEnd = nameEnd;
      node.empty = kind == NodeKind::kStartTag && IsEmptyElementEnd(i, nameEnd);
      return;
    } else if (c == u'=') {
      afterEquals = true;
    } else if (IsQuote(c) && afterEquals) {
      i = Find(c, i + 1);
      if (i < 0) break;
      afterEquals = false;
    } else if (!IsWhitespace(c)) {
      afterEquals = false;
    }
  }
  SetUnterminated(node, kind == NodeKind::kStartTag ? u"start_tag" : u"end_tag");
}

// "/>" makes an empty element only when the '/' follows the name, whitespace or a quote: in
// <a b=1/> it belongs to the unquoted value.
bool NodeScanner::IsEmptyElementEnd(std::int32_t closeAt, std::int32_t nameEnd) const {
  const std::int32_t slash = closeAt - 1;
  if (text_[slash] != u'/') return false;
  if (slash == nameEnd) return true;
  const char16_t before = text_[slash - 1];
  return IsWhitespace(before) || IsQuote(before);
}

// Ends at the first '>' outside the nested markup declarations and comments.
void NodeScanner::ScanDocumentType(Node& node, std::int32_t from) const {
  for (std::int32_t i = from; i < size_; ++i) {
    if (text_[i] == u'>') return SetPlain(node, NodeKind::kDocumentType, i + 1);
    if (text_[i] != u'<' || i + 1 == size_ || text_[i + 1] != u'!') continue;
    if (i + 2 == size_) break;
    const char16_t opener = text_[i + 2];
    std::int32_t close;
    if (opener == u'A' || opener == u'E' || opener == u'N') {
      close = FindDeclarationEnd(i + 3);
    } else if (opener == u'-' && i + 3 == size_) {
      break;
    } else if (opener == u'-' && text_[i + 3] == u'-') {
      close = FindTerminator(i + 4, u"-->") - 1;
    } else {
      return SetError(node, SyntaxError::kDoctypeTag, i + 2);
    }
    if (close < 0) break;
    i = close;
  }
  SetUnterminated(node, u"document_type");
}

void NodeScanner::ScanUntil(Node& node, NodeKind kind, std::int32_t from,
                            std::u16string_view terminator, std::u16string_view type) const {
  const std::int32_t end = FindTerminator(from, terminator);
  if (end < 0) return SetUnterminated(node, type);
  SetPlain(node, kind, end);
}

// The error node runs to the next '>' (inclusive) or '<' (exclusive), so scanning resumes at
// the markup that follows.
void NodeScanner::SetError(Node& node, SyntaxError error, std::int32_t at) const {
  std::int32_t end = at;
  while (end < size_ && text_[end] != u'<' && text_[end] != u'>') ++end;
  if (end < size_ && text_[end] == u'>') ++end;
  SetPlain(node, NodeKind::kError, end);
  node.error = error;
}

void NodeScanner::SetUnterminated(Node& node, std::u16string_view type) const {
  SetPlain(node, NodeKind::kError, size_);
  node.error = SyntaxError::kUnterminated;
  node.unterminatedType = type;
}

// The terminator may not overlap its opener: "<!-->" opens a comment, it does not close one.
std::int32_t NodeScanner::FindTerminator(std::int32_t from, std::u16string_view terminator) const {
  const std::u16string_view lead = terminator.substr(0, terminator.size() - 1);
  const auto leadLength = static_cast<std::int32_t>(lead.size());
  for (std::int32_t i = Find(u'>', from + leadLength); i >= 0; i = Find(u'>', i + 1)) {
    if (text_.substr(i - leadLength, lead.size()) == lead) return i + 1;
  }
  return -1;
}

std::int32_t NodeScanner::FindDeclarationEnd(std::int32_t from) const {
  for (std::int32_t i = from; i < size_; ++i) {
    if (text_[i] == u'>') return i;
    if (IsQuote(text_[i])) {
      i = Find(text_[i], i + 1);
      if (i < 0) return -1;
    }
  }
  return -1;
}

std::int32_t NodeScanner::Find(char16_t c, std::int32_t from) const {
  for (std::int32_t i = from; i < size_; ++i) {
    if (text_[i] == c) return i;
  }
  return -1;
}
