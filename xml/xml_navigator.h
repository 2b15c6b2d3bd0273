// Reader of one XML answer of the device: the whole text is indexed in one pass, then three
// positions (parent, main, child) are moved over the elements by name and the text content of
// the element under a position is handed out with character references decoded. It forgives
// malformed documents: they are indexed as far as they go and the load says they are not
// well-formed. One navigator serves one thread.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "xml/diagnostic_log.h"
#include "xml/element_index.h"

class XmlNavigator {
public:
  // Offsets, and the few characters the scanner looks past them, stay within 32 bits: a longer
  // text is not loaded (it reads as an empty document).
  static constexpr std::size_t kMaxDocumentLength = 0x7FFFFF00;

  XmlNavigator();

  // Copies and indexes `text`, clears the diagnostics and every position; true when the
  // document is well-formed.
  bool SetDocument(std::u16string_view text);
  // No syntax error, no unended or lone tag, and exactly one top-level element.
  bool IsWellFormed() const;

  // The next element named `name` (any element when empty) at the main level: after the main
  // position, or from the first child of the parent position when the main position is empty.
  // Moves the main position there and empties the child position; on failure nothing moves.
  bool FindElement(std::u16string_view name = {});
  // The next child named `name` (any when empty) of the main element, after the child position.
  // With no main element it first takes the first element of the main level (the root after a
  // load). On success the child position moves there.
  bool FindChildElement(std::u16string_view name = {});
  // The main element becomes the parent and the child position the main one (possibly empty:
  // before the first child). False when there is no main element.
  bool EnterElement();
  // The reverse of EnterElement; false at the top level.
  bool LeaveElement();

  std::u16string GetElementText() const;  // of the main element; empty when there is none
  std::u16string GetChildText() const;    // of the child element; empty when there is none

  // For inspection: diagnostics of the last load, and the element index.
  const std::u16string& ResultLog() const { return log_.Text(); }
  const ElementIndex& Index() const { return index_; }

private:
  // The first element after `position` among the children of `parent` (from the first child
  // when `position` is 0) that `name` matches, else 0.
  std::int32_t FindAfter(std::int32_t position, std::int32_t parent,
                         std::u16string_view name) const;
  bool NameMatches(std::int32_t element, std::u16string_view name) const;
  std::u16string TextOf(std::int32_t element) const;

  std::u16string document_;
  DiagnosticLog log_;
  ElementIndex index_;
  std::int32_t parentPos_ = 0;
  std::int32_t mainPos_ = 0;   // 0: before the first element of the level
  std::int32_t childPos_ = 0;  // 0: before the first child
};
