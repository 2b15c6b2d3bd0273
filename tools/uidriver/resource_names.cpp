#include "tools/uidriver/resource_names.h"

#include <algorithm>
#include <iterator>

#include "res/resource.h"
#include "tools/uidriver/script_words.h"

namespace {
struct NamedId {
  std::string_view name;
  int id;
};

// {"IDC_CONNECT", IDC_CONNECT}, ... one line per #define of the resource header.
constexpr NamedId kNamedIds[] = {
#include "resource_names.inc"
    {"", 0},
};
}  // namespace

std::optional<int> ResolveId(std::string_view text) {
  if (auto number = ParseNumber(text)) return number;
  const auto found = std::find_if(std::begin(kNamedIds), std::end(kNamedIds),
                                  [text](const NamedId& entry) { return entry.name == text; });
  if (found == std::end(kNamedIds) || text.empty()) return std::nullopt;
  return found->id;
}
