// The named character references known to the text reader: the 252 of HTML 4.01 and "apos",
// in a hash of 130 buckets keyed by the sum of the lower-cased name's code units.
#pragma once
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

struct NamedReference {
  std::u16string_view name;
  char32_t codePoint;
};

// Every entry, in table order (of two names that differ only in case, the capitalised one first).
std::span<const NamedReference> NamedReferences();

// The code point of the reference `name` (without '&' and ';'). A name spelled exactly as in the
// table wins, so "Dagger" and "dagger" stay apart; otherwise case is ignored and the first entry
// of the bucket wins, so "AMP" reads as "amp" and "AGRAVE" as "Agrave".
std::optional<char32_t> FindNamedReference(std::u16string_view name);
