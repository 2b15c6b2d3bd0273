#include "xml/node_scanner.h"

namespace {

bool IsWhitespace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }

// Everything above 0x60 counts, so non-ASCII names need no tables.
bool StartsName(char16_t c) {
  return (c >= u'A' && c <= u'Z') || c == u'_' || c == u':' || c > 0x60;
}

bool EndsName(char16_t c) { return IsWhitespace(c) || c == u'/' || c == u'>'; }

bool IsQuote(char16_t c) { return c == u'"' || c == u'\''; }

Node Plain(NodeKind kind, std::int32_t start, std::int32_t end) {
  Node node;
  node.kind = kind;
  node.start = start;
  node.length = end - start;
  return node;
}

}  // namespace

Node NodeScanner::Next() {
  if (offset_ == size_) return Plain(NodeKind::kEndOfDocument, offset_, offset_);
  const Node node = text_[offset_] == u'<' ? ScanMarkup(offset_) : ScanCharacterData(offset_);
  offset_ = node.End();
  return node;
}

// A '>' in text is an ordinary character: splitting text there would turn the whitespace after
// it into a whitespace node, which element content drops, and so lose characters of the text.
Node NodeScanner::ScanCharacterData(std::int32_t start) const {
  std::int32_t i = start;
  while (i < size_ && IsWhitespace(text_[i])) ++i;
  if (i == size_ || text_[i] == u'<') return Plain(NodeKind::kWhitespace, start, i);
  const std::int32_t markup = Find(u'<', i);
  return Plain(NodeKind::kText, start, markup < 0 ? size_ : markup);
}

Node NodeScanner::ScanMarkup(std::int32_t start) const {
  const std::int32_t at = start + 1;
  if (at == size_) return Unterminated(start, u"tag");
  const char16_t c = text_[at];
  if (StartsName(c)) return ScanTag(NodeKind::kStartTag, start, at);
  switch (c) {
    case u'/':
      return ScanTag(NodeKind::kEndTag, start, at + 1);
    case u'?':
      return ScanUntil(NodeKind::kProcessingInstruction, start, at + 1, u"?>",
                       u"processing_instruction");
    case u'!':
      return ScanExclamation(start);
    default:
      return ErrorNode(SyntaxError::kFirstTag, start, at);
  }
}

Node NodeScanner::ScanExclamation(std::int32_t start) const {
  const std::int32_t at = start + 2;
  if (at == size_) return Unterminated(start, u"tag");
  switch (text_[at]) {
    case u'-':
      if (at + 1 == size_) return Unterminated(start, u"tag");
      if (text_[at + 1] != u'-') return ErrorNode(SyntaxError::kCommentTag, start, at + 1);
      return ScanUntil(NodeKind::kComment, start, at + 2, u"-->", u"comment");
    case u'[':
      if (at + 1 == size_) return Unterminated(start, u"tag");
      if (text_[at + 1] != u'C') return ErrorNode(SyntaxError::kCdataSection, start, at + 1);
      return ScanUntil(NodeKind::kCdata, start, at + 2, u"]]>", u"cdata_section");
    case u'D':
      return ScanDocumentType(start, at + 1);
    default:
      return ErrorNode(SyntaxError::kExclamationTag, start, at);
  }
}

// A tag ends at the first '>' outside a quoted value; a quote opens a value only after '='.
Node NodeScanner::ScanTag(NodeKind kind, std::int32_t start, std::int32_t nameBegin) const {
  std::int32_t i = nameBegin;
  while (i < size_ && !EndsName(text_[i])) ++i;
  const std::int32_t nameEnd = i;
  bool afterEquals = false;
  for (; i < size_; ++i) {
    const char16_t c = text_[i];
    if (c == u'>') {
      Node node = Plain(kind, start, i + 1);
      node.nameBegin = nameBegin;
      node.nameEnd = nameEnd;
      node.empty = kind == NodeKind::kStartTag && IsEmptyElementEnd(i, nameEnd);
      return node;
    }
    if (c == u'=') {
      afterEquals = true;
    } else if (IsQuote(c) && afterEquals) {
      i = Find(c, i + 1);
      if (i < 0) break;
      afterEquals = false;
    } else if (!IsWhitespace(c)) {
      afterEquals = false;
    }
  }
  return Unterminated(start, kind == NodeKind::kStartTag ? u"start_tag" : u"end_tag");
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
Node NodeScanner::ScanDocumentType(std::int32_t start, std::int32_t from) const {
  for (std::int32_t i = from; i < size_; ++i) {
    if (text_[i] == u'>') return Plain(NodeKind::kDocumentType, start, i + 1);
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
      return ErrorNode(SyntaxError::kDoctypeTag, start, i + 2);
    }
    if (close < 0) break;
    i = close;
  }
  return Unterminated(start, u"document_type");
}

Node NodeScanner::ScanUntil(NodeKind kind, std::int32_t start, std::int32_t from,
                            std::u16string_view terminator, std::u16string_view type) const {
  const std::int32_t end = FindTerminator(from, terminator);
  return end < 0 ? Unterminated(start, type) : Plain(kind, start, end);
}

// The error node runs to the next '>' (inclusive) or '<' (exclusive), so scanning resumes at
// the markup that follows.
Node NodeScanner::ErrorNode(SyntaxError error, std::int32_t start, std::int32_t at) const {
  std::int32_t end = at;
  while (end < size_ && text_[end] != u'<' && text_[end] != u'>') ++end;
  if (end < size_ && text_[end] == u'>') ++end;
  Node node = Plain(NodeKind::kError, start, end);
  node.error = error;
  return node;
}

Node NodeScanner::Unterminated(std::int32_t start, std::u16string_view type) const {
  Node node = Plain(NodeKind::kError, start, size_);
  node.error = SyntaxError::kUnterminated;
  node.unterminatedType = type;
  return node;
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
  if (from >= size_) return -1;
  const std::size_t found = text_.find(c, static_cast<std::size_t>(from));
  return found == std::u16string_view::npos ? -1 : static_cast<std::int32_t>(found);
}
