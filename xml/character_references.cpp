#include "xml/character_references.h"

#include <cstdint>
#include <optional>

#include "xml/named_references.h"

namespace {

// The name between '&' and ';' holds at most this many characters.
constexpr std::size_t kMaxNameLength = 9;
constexpr char32_t kLastCodePoint = 0x10FFFF;

int DigitValue(char16_t c, int base) {
  int value = 99;
  if (c >= u'0' && c <= u'9') value = c - u'0';
  if (c >= u'a' && c <= u'f') value = c - u'a' + 10;
  if (c >= u'A' && c <= u'F') value = c - u'A' + 10;
  return value < base ? value : -1;
}

// "#65" or "#x41": the digits are read as far as they go.
std::optional<char32_t> NumericValue(std::u16string_view name) {
  int base = 10;
  std::size_t i = 1;
  if (name.size() > 1 && (name[1] == u'x' || name[1] == u'X')) {
    base = 16;
    i = 2;
  }
  std::uint32_t value = 0;  // at most 8 digits: no overflow
  for (; i < name.size(); ++i) {
    const int digit = DigitValue(name[i], base);
    if (digit < 0) break;
    value = value * static_cast<std::uint32_t>(base) + static_cast<std::uint32_t>(digit);
  }
  if (value == 0 || value > kLastCodePoint) return std::nullopt;
  return static_cast<char32_t>(value);
}

// The name of the complete reference starting at the '&' at `at`, else an empty view.
std::u16string_view ReferenceName(std::u16string_view text, std::size_t at) {
  const std::size_t begin = at + 1;
  for (std::size_t i = begin; i < text.size() && i <= begin + kMaxNameLength; ++i) {
    if (text[i] == u';') return text.substr(begin, i - begin);
    if (text[i] >= 128) break;
  }
  return {};
}

void AppendCodePoint(std::u16string& out, char32_t cp) {
  if (cp < 0x10000) {
    out += static_cast<char16_t>(cp);
    return;
  }
  out += static_cast<char16_t>(0xD800 | ((cp - 0x10000) >> 10));
  out += static_cast<char16_t>(0xDC00 | (cp & 0x3FF));
}

}  // namespace

void AppendDecoded(std::u16string& out, std::u16string_view text) {
  std::size_t copied = 0;  // text before this offset is in `out`
  for (std::size_t amp = text.find(u'&'); amp != std::u16string_view::npos;
       amp = text.find(u'&', amp + 1)) {
    const std::u16string_view name = ReferenceName(text, amp);
    if (name.empty()) continue;
    const std::optional<char32_t> cp =
        name[0] == u'#' ? NumericValue(name) : FindNamedReference(name);
    if (!cp) continue;
    out.append(text.substr(copied, amp - copied));
    AppendCodePoint(out, *cp);
    copied = amp + name.size() + 2;
    amp = copied - 1;
  }
  out.append(text.substr(copied));
}
