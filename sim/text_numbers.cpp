#include "sim/text_numbers.h"

#include <charconv>

std::optional<int> ReadInteger(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

std::optional<int> ReadCount(std::string_view text, int max) {
  if (text.empty() || text.front() == '-') return std::nullopt;
  const auto value = ReadInteger(text);
  if (!value || *value > max) return std::nullopt;
  return value;
}
