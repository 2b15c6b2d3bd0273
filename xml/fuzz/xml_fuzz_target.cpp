// Loads arbitrary bytes as UTF-16 (pairs of bytes, little-endian) and walks the whole tree with
// every operation of the navigator: all elements with their texts, then searches by names that
// the input itself suggests. Broken invariants abort, so that the fuzzer reports them.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "xml/testing/element_walk.h"
#include "xml/testing/index_check.h"
#include "xml/xml_navigator.h"

namespace {

void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "broken: %s\n", what);
  std::abort();
}

// At most the limit and one more diagnostic (names in it are cut to 64 characters).
constexpr std::size_t kLogBound = DiagnosticLog::kLimit + 600;

// The name after the input's first '<', as a device answer would use it, with whatever
// characters follow; and a few fixed names, among them path-like ones that match nothing.
std::u16string NameFromInput(std::u16string_view text) {
  const std::size_t open = text.find(u'<');
  if (open == std::u16string_view::npos) return u"item";
  return std::u16string(text.substr(open + 1, 8));
}

// Each level's matches in turn, entering the last match of each of up to three levels.
void SearchByName(XmlNavigator& nav, std::u16string_view text, std::u16string_view name) {
  nav.SetDocument(text);
  for (int level = 0; level < 3 && nav.FindChildElement(name); ++level) {
    do {
      Require(nav.GetChildText().size() <= text.size(), "child text longer than the document");
    } while (nav.FindChildElement(name));
    Require(nav.EnterElement(), "entering a found element");
    Require(nav.GetElementText().size() <= text.size(), "text longer than the document");
  }
  while (nav.LeaveElement()) {
  }
  while (nav.FindElement(name)) {
  }
  Require(!nav.LeaveElement(), "leaving the top level");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::u16string text(size / 2, u'\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
  }
  XmlNavigator nav;
  const bool wellFormed = nav.SetDocument(text);
  Require(wellFormed == nav.IsWellFormed(), "load result and IsWellFormed differ");
  Require(text.empty() || wellFormed == nav.ResultLog().empty(),
          "diagnostics and well-formedness disagree");
  Require(nav.ResultLog().size() <= kLogBound, "result log not capped");
  const std::string fault = CheckElementIndex(nav.Index());
  if (!fault.empty()) std::fprintf(stderr, "%s\n", fault.c_str());
  Require(fault.empty(), "element index broken");

  const std::int64_t visited = WalkEveryElement(nav, [&](XmlNavigator& at) {
    Require(at.GetElementText().size() <= text.size(), "text longer than the document");
    Require(at.GetChildText().empty(), "a child position right after moving");
  });
  Require(visited == nav.Index().Used() - 1, "the walk missed elements");

  const std::u16string names[] = {NameFromInput(text), u"item", u"/a", u"a[1]"};
  for (const std::u16string& name : names) SearchByName(nav, text, name);
  return 0;
}
