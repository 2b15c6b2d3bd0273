#include "xml/element_text.h"

#include "xml/character_references.h"
#include "xml/node_scanner.h"

namespace {

constexpr std::size_t kCdataOpenerLength = 9;  // "<![CDATA["
constexpr std::size_t kCdataCloserLength = 3;  // "]]>"

// The scanner accepts "<![C" as an opener, so a section may be shorter than the full opener.
std::u16string_view CdataInner(std::u16string_view section) {
  if (section.size() < kCdataOpenerLength + kCdataCloserLength) return {};
  return section.substr(kCdataOpenerLength,
                        section.size() - kCdataOpenerLength - kCdataCloserLength);
}

}  // namespace

std::u16string ReadElementText(std::u16string_view document, const ElementEntry& element) {
  if (element.endTagLength == 0 || element.firstChild != 0) return {};
  const std::u16string_view content = document.substr(
      static_cast<std::size_t>(element.start + element.startTagLength),
      static_cast<std::size_t>(element.length - element.startTagLength - element.endTagLength));
  std::u16string text;
  if (content.find(u'<') == std::u16string_view::npos) {
    AppendDecoded(text, content);
    return text;
  }
  NodeScanner scanner(content);
  Node node;
  while (scanner.Next(node)) {
    const std::u16string_view part = content.substr(static_cast<std::size_t>(node.start),
                                                    static_cast<std::size_t>(node.length));
    if (node.kind == NodeKind::kText) AppendDecoded(text, part);
    if (node.kind == NodeKind::kCdata) text.append(CdataInner(part));
  }
  return text;
}
