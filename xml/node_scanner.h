// Splits a document into nodes, one per call: start and end tags, text, whitespace runs, comments,
// CDATA sections, processing instructions, document type declarations and malformed markup. It
// never looks past the text it was given, so element content can be rescanned on its own.
#pragma once
#include <cstdint>
#include <string_view>

enum class NodeKind : int {
  kError = -1,
  kEndTag = 0,
  kStartTag = 1,
  kText = 2,
  kWhitespace = 4,
  kCdata = 8,
  kProcessingInstruction = 16,
  kComment = 32,
  kDocumentType = 64,
  kEndOfDocument = 128,
};

enum class SyntaxError {
  kNone,
  kFirstTag,        // '<' followed by a character that starts no markup
  kExclamationTag,  // "<!" not followed by '-', '[' or 'D'
  kCommentTag,      // "<!-" not followed by '-'
  kCdataSection,    // "<![" not followed by 'C'
  kDoctypeTag,      // "<!" inside a document type declaration that opens nothing known
  kUnterminated,    // the text ends inside markup
};

struct Node {
  NodeKind kind = NodeKind::kEndOfDocument;
  std::int32_t start = 0;
  std::int32_t length = 0;
  std::int32_t nameBegin = 0;  // tags: the name is [nameBegin, nameEnd)
  std::int32_t nameEnd = 0;
  bool empty = false;  // a start tag closed by "/>"
  SyntaxError error = SyntaxError::kNone;
  std::u16string_view unterminatedType;  // what was open when the text ended ("start_tag", ...)

  std::int32_t End() const { return start + length; }
};

class NodeScanner {
public:
  // `text` must be shorter than 2^31 characters.
  explicit NodeScanner(std::u16string_view text)
      : text_(text), size_(static_cast<std::int32_t>(text.size())) {}

  // Scans the node at the current offset into `node` and advances past it; false (with `node`
  // of kind kEndOfDocument) when nothing is left. Filling the caller's node in place spares a
  // copy per node, which is a good part of the scanning time.
  bool Next(Node& node);

private:
  void ScanCharacterData(Node& node) const;
  void ScanMarkup(Node& node) const;
  void ScanExclamation(Node& node) const;
  void ScanTag(Node& node, NodeKind kind, std::int32_t nameBegin) const;
  void ScanDocumentType(Node& node, std::int32_t from) const;
  void ScanUntil(Node& node, NodeKind kind, std::int32_t from, std::u16string_view terminator,
                 std::u16string_view type) const;
  void SetError(Node& node, SyntaxError error, std::int32_t at) const;
  void SetUnterminated(Node& node, std::u16string_view type) const;

  // The offset after `terminator` (which ends in '>') found wholly at or after `from`, else -1.
  std::int32_t FindTerminator(std::int32_t from, std::u16string_view terminator) const;
  // The offset of the '>' closing a markup declaration, skipping quoted strings, else -1.
  std::int32_t FindDeclarationEnd(std::int32_t from) const;
  // The offset of the next `c` at or after `from`, else -1.
  std::int32_t Find(char16_t c, std::int32_t from) const;
  bool IsEmptyElementEnd(std::int32_t closeAt, std::int32_t nameEnd) const;

  std::u16string_view text_;
  std::int32_t size_;
  std::int32_t offset_ = 0;
};
