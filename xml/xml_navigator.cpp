#include "xml/xml_navigator.h"

#include "xml/element_text.h"
#include "xml/tree_builder.h"

namespace {

// Room for a small answer without growing; a load sizes the index from the text length.
constexpr std::size_t kMinimumEntries = 8;
constexpr std::size_t kCharactersPerEntry = 64;

// An element's name, as searches read it, ends at one of these.
bool EndsSearchedName(char16_t c) {
  switch (c) {
    case u'\t': case u'\n': case u'\r': case u' ': case u'!': case u'"': case u'\'':
    case u'/': case u';': case u'<': case u'=': case u'>': case u'?': case u'\\':
      return true;
    default:
      return false;
  }
}

// Such names ("/a", "a/b", "a[1]", "a b", ...) would be paths; this reader matches none.
bool CanMatch(std::u16string_view name) {
  for (const char16_t c : name) {
    if (EndsSearchedName(c) || c == u'[' || c == u']') return false;
  }
  return true;
}

}  // namespace

XmlNavigator::XmlNavigator() { index_.Reset(kMinimumEntries); }

bool XmlNavigator::SetDocument(std::u16string_view text) {
  log_.Clear();
  parentPos_ = mainPos_ = childPos_ = 0;
  if (text.size() > kMaxDocumentLength) {
    log_.Add(u"document_too_long",
             {DiagnosticLog::Number(u"length", static_cast<std::int64_t>(text.size()))});
    text = {};
  }
  document_.assign(text);
  index_.Reset(document_.size() / kCharactersPerEntry + kMinimumEntries);
  if (document_.empty()) return false;

  const std::int32_t root = TreeBuilder(document_, index_, log_).Build();
  index_[0].length = static_cast<std::int32_t>(document_.size());
  if (root == 0) {
    log_.Add(u"no_root_element");
  } else if (index_[root].nextSibling != 0) {
    log_.Add(u"root_has_sibling");
  }
  return IsWellFormed();
}

bool XmlNavigator::IsWellFormed() const {
  const ElementEntry& document = index_[0];
  return document.firstChild != 0 && (document.flags & ElementEntry::kIllFormed) == 0 &&
         index_[document.firstChild].nextSibling == 0;
}

bool XmlNavigator::FindElement(std::u16string_view name) {
  const std::int32_t found = FindAfter(mainPos_, parentPos_, name);
  if (found == 0) return false;
  mainPos_ = found;
  parentPos_ = index_[found].parent;
  childPos_ = 0;
  return true;
}

bool XmlNavigator::FindChildElement(std::u16string_view name) {
  if (mainPos_ == 0 && !FindElement()) return false;
  const std::int32_t found = FindAfter(childPos_, mainPos_, name);
  if (found == 0) return false;
  childPos_ = found;
  parentPos_ = index_[mainPos_].parent;
  return true;
}

bool XmlNavigator::EnterElement() {
  if (mainPos_ == 0) return false;
  parentPos_ = mainPos_;
  mainPos_ = childPos_;
  childPos_ = 0;
  return true;
}

bool XmlNavigator::LeaveElement() {
  if (parentPos_ == 0) return false;
  childPos_ = mainPos_;
  mainPos_ = parentPos_;
  parentPos_ = index_[mainPos_].parent;
  return true;
}

std::u16string XmlNavigator::GetElementText() const { return TextOf(mainPos_); }

std::u16string XmlNavigator::GetChildText() const { return TextOf(childPos_); }

std::int32_t XmlNavigator::FindAfter(std::int32_t position, std::int32_t parent,
                                     std::u16string_view name) const {
  if (!CanMatch(name)) return 0;
  std::int32_t element = position != 0 ? index_[position].nextSibling : index_[parent].firstChild;
  while (element != 0 && !NameMatches(element, name)) element = index_[element].nextSibling;
  return element;
}

// Compares no more of the document than the name is long, so long names in the document cost
// nothing. Every element's name starts right after its '<'.
bool XmlNavigator::NameMatches(std::int32_t element, std::u16string_view name) const {
  if (name.empty()) return true;
  const std::size_t begin = static_cast<std::size_t>(index_[element].start) + 1;
  const std::size_t end = begin + name.size();
  return end <= document_.size() && document_.compare(begin, name.size(), name) == 0 &&
         (end == document_.size() || EndsSearchedName(document_[end]));
}

std::u16string XmlNavigator::TextOf(std::int32_t element) const {
  if (element == 0) return {};
  return ReadElementText(document_, index_[element]);
}
