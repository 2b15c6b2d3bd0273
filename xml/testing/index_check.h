// Checks the links of a loaded element index: every element is the child of exactly one parent,
// siblings are in document order without overlap inside their parent's content, the backward
// link of each first child names the last sibling, and lengths agree with the flags. Returns
// the first fault found, or an empty string.
#pragma once
#include <cstdint>
#include <string>

#include "xml/element_index.h"

inline std::string CheckElementIndex(const ElementIndex& index) {
  const std::int32_t used = index.Used();
  const ElementEntry& document = index[0];
  std::int64_t children = 0;
  for (std::int32_t parent = 0; parent < used; ++parent) {
    const ElementEntry& p = index[parent];
    const bool isDocument = parent == 0;
    if (!isDocument && p.endTagLength == 0 && p.length != p.startTagLength) {
      return "element " + std::to_string(parent) + ": no end tag but longer than its start tag";
    }
    if ((p.flags & ElementEntry::kUnended) != 0 && p.firstChild != 0) {
      return "unended element " + std::to_string(parent) + " kept children";
    }
    if (!isDocument && p.start + p.length > document.length) {
      return "element " + std::to_string(parent) + " runs past the document";
    }
    const std::int64_t contentBegin = isDocument ? 0 : p.start + p.startTagLength;
    const std::int64_t contentEnd =
        isDocument ? document.length : std::int64_t{p.start} + p.length - p.endTagLength;
    std::int64_t position = contentBegin;
    std::int32_t previous = 0;
    for (std::int32_t child = p.firstChild; child != 0; child = index[child].nextSibling) {
      if (++children >= used) return "a sibling list loops";
      const ElementEntry& c = index[child];
      if (c.parent != parent) return "element " + std::to_string(child) + ": wrong parent";
      if (c.start < position || c.start + c.length > contentEnd) {
        return "element " + std::to_string(child) + " lies outside its place in its parent";
      }
      if (previous != 0 && c.prevSibling != previous) {
        return "element " + std::to_string(child) + ": wrong previous sibling";
      }
      position = std::int64_t{c.start} + c.length;
      previous = child;
    }
    if (p.firstChild != 0 && index[p.firstChild].prevSibling != previous) {
      return "first child of " + std::to_string(parent) + " does not name the last sibling";
    }
  }
  if (children != used - 1) return "some elements are in no sibling list";
  return {};
}
