#include "xml/tree_builder.h"

#include <algorithm>

std::int32_t TreeBuilder::Build() {
  NodeScanner scanner(document_);
  Node node;
  while (scanner.Next(node)) {
    switch (node.kind) {
      case NodeKind::kStartTag:
        OpenElement(node);
        break;
      case NodeKind::kEndTag:
        CloseElement(node);
        break;
      case NodeKind::kError:
        MarkError();
        LogSyntaxError(node);
        break;
      default:  // text, whitespace, comments and the like are found again by the text reader
        break;
    }
  }
  CloseUnended(0, static_cast<std::int32_t>(document_.size()));
  return first_;
}

void TreeBuilder::OpenElement(const Node& tag) {
  const std::int32_t parent = open_.Innermost();
  const std::int32_t element = index_.Add();
  if (first_ == 0) first_ = element;
  const auto level = static_cast<std::uint32_t>(std::min<std::int32_t>(open_.Depth(), 0xFFFF));
  index_[element] = ElementEntry{tag.start, tag.length, tag.length, 0, level, parent, 0, 0, 0};
  LinkLastChild(parent, element);
  if (!tag.empty) open_.Push(element, document_.substr(tag.nameBegin, tag.nameEnd - tag.nameBegin));
}

void TreeBuilder::CloseElement(const Node& tag) {
  const std::u16string_view name = document_.substr(tag.nameBegin, tag.nameEnd - tag.nameBegin);
  const std::int32_t depth = open_.FindInnermost(name);
  if (depth < 0) {
    log_.Add(u"lone_end_tag",
             {DiagnosticLog::Text(u"tagname", name), DiagnosticLog::Number(u"offset", tag.start)});
    MarkError();
    return;
  }
  CloseUnended(depth + 1, tag.start + 1);
  ElementEntry& entry = index_[open_.At(depth).element];
  entry.length = tag.End() - entry.start;
  entry.endTagLength = tag.length;
  open_.Pop();
}

// Closing them one by one, innermost first, would hand the same children up again at every
// level; the result is the same when each moves once, straight to the outer parent.
void TreeBuilder::CloseUnended(std::int32_t depth, std::int32_t offset2) {
  const std::int32_t innermost = open_.Depth() - 1;
  if (depth > innermost) return;
  index_[0].flags |= ElementEntry::kIllFormed;
  for (std::int32_t d = innermost; d >= depth; --d) {
    const OpenElementStack::Open& open = open_.At(d);
    log_.Add(u"unended_start_tag",
             {DiagnosticLog::Text(u"tagname", open.name),
              DiagnosticLog::Number(u"offset", index_[open.element].start),
              DiagnosticLog::Number(u"offset2", offset2)});
  }
  const std::int32_t parent = depth == 0 ? 0 : open_.At(depth - 1).element;
  std::uint32_t errorInside = 0;
  for (std::int32_t d = depth; d <= innermost; ++d) {
    const std::int32_t element = open_.At(d).element;
    ElementEntry& entry = index_[element];
    entry.length = entry.startTagLength;
    entry.endTagLength = 0;
    errorInside |= entry.flags & ElementEntry::kErrorInside;
    entry.flags = (entry.flags & ~ElementEntry::kErrorInside) | ElementEntry::kUnended;
    MoveChildrenUp(element, parent);
  }
  index_[parent].flags |= errorInside;
  while (open_.Depth() > depth) open_.Pop();
}

// The children follow `element`, which is its parent's last child while it is open.
void TreeBuilder::MoveChildrenUp(std::int32_t element, std::int32_t parent) {
  ElementEntry& entry = index_[element];
  const std::int32_t first = entry.firstChild;
  if (first == 0) return;
  for (std::int32_t child = first; child != 0; child = index_[child].nextSibling) {
    index_[child].parent = parent;
  }
  ElementEntry& firstEntry = index_[first];
  const std::int32_t last = firstEntry.prevSibling;
  firstEntry.flags &= ~ElementEntry::kFirstChild;
  firstEntry.prevSibling = element;
  entry.nextSibling = first;
  entry.firstChild = 0;
  index_[index_[parent].firstChild].prevSibling = last;
}

void TreeBuilder::LinkLastChild(std::int32_t parent, std::int32_t element) {
  ElementEntry& parentEntry = index_[parent];
  ElementEntry& entry = index_[element];
  if (parentEntry.firstChild == 0) {
    parentEntry.firstChild = element;
    entry.prevSibling = element;
    entry.flags |= ElementEntry::kFirstChild;
    return;
  }
  ElementEntry& first = index_[parentEntry.firstChild];
  index_[first.prevSibling].nextSibling = element;
  entry.prevSibling = first.prevSibling;
  first.prevSibling = element;
}

void TreeBuilder::MarkError() {
  index_[0].flags |= ElementEntry::kIllFormed;
  index_[open_.Innermost()].flags |= ElementEntry::kErrorInside;
}

void TreeBuilder::LogSyntaxError(const Node& node) {
  const DiagnosticLog::Attribute offset = DiagnosticLog::Number(u"offset", node.start);
  switch (node.error) {
    case SyntaxError::kFirstTag: log_.Add(u"first_tag_syntax", {offset}); break;
    case SyntaxError::kExclamationTag: log_.Add(u"exclamation_tag_syntax", {offset}); break;
    case SyntaxError::kCommentTag: log_.Add(u"comment_tag_syntax", {offset}); break;
    case SyntaxError::kCdataSection: log_.Add(u"cdata_section_syntax", {offset}); break;
    case SyntaxError::kDoctypeTag: log_.Add(u"doctype_tag_syntax", {offset}); break;
    case SyntaxError::kUnterminated:
      log_.Add(u"unterminated_tag_syntax",
               {DiagnosticLog::Text(u"type", node.unterminatedType), offset});
      break;
    case SyntaxError::kNone: break;
  }
}
