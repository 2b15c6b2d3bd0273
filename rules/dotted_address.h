// Dotted IPv4 text ("192.0.2.10"): four decimal parts of one to three digits, each at most 255,
// and nothing else. Device records carry addresses as text; whatever is not such text is refused.
#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

// The address in host order, or nothing for any other text. `Char` is char or char16_t.
template <class Char>
std::optional<std::uint32_t> ParseDotted(std::basic_string_view<Char> text) {
  std::uint32_t address = 0;
  size_t position = 0;
  for (int part = 0; part < 4; ++part) {
    if (part > 0) {
      if (position >= text.size() || text[position] != Char('.')) return std::nullopt;
      ++position;
    }
    unsigned value = 0;
    size_t digits = 0;
    while (position < text.size() && text[position] >= Char('0') && text[position] <= Char('9') && digits < 3) {
      value = value * 10 + static_cast<unsigned>(text[position] - Char('0'));
      ++position;
      ++digits;
    }
    if (digits == 0 || value > 255) return std::nullopt;
    address = (address << 8) | value;
  }
  if (position != text.size()) return std::nullopt;
  return address;
}
