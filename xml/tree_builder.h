// Builds the element tree of one document in a single pass: an index entry per start tag, linked
// to its parent and siblings; end tags close the innermost open element of their name, elements
// never closed keep their start tag only and hand their children to their parent.
#pragma once
#include <cstdint>
#include <string_view>

#include "xml/diagnostic_log.h"
#include "xml/element_index.h"
#include "xml/node_scanner.h"
#include "xml/open_element_stack.h"

class TreeBuilder {
public:
  // `index` must have been reset for this document.
  TreeBuilder(std::u16string_view document, ElementIndex& index, DiagnosticLog& log)
      : document_(document), index_(index), log_(log) {}

  // Indexes every element and returns the first top-level one (0 when there is none).
  std::int32_t Build();

private:
  void OpenElement(const Node& tag);
  void CloseElement(const Node& tag);
  // Closes the open elements from `depth` inward as unended; `offset2` is logged with each.
  void CloseUnended(std::int32_t depth, std::int32_t offset2);
  void MoveChildrenUp(std::int32_t element, std::int32_t parent);
  void LinkLastChild(std::int32_t parent, std::int32_t element);
  void MarkError();
  void LogSyntaxError(const Node& node);

  std::u16string_view document_;
  ElementIndex& index_;
  DiagnosticLog& log_;
  OpenElementStack open_;
  std::int32_t first_ = 0;
};
