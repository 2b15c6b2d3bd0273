#include "tools/uidriver/script_words.h"

#include <charconv>

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }
}  // namespace

ScriptLine SplitScriptLine(std::string_view line) {
  ScriptLine result;
  std::size_t at = 0;
  while (at < line.size()) {
    if (IsBlank(line[at])) {
      ++at;
      continue;
    }
    if (line[at] == '#') break;
    // A word runs to the next blank outside quotes; quoted parts join it (title="Two words").
    std::string word;
    while (at < line.size() && !IsBlank(line[at])) {
      const char c = line[at++];
      if (c != '"') {
        word += c;
        continue;
      }
      bool closed = false;
      while (at < line.size()) {
        const char quoted = line[at++];
        if (quoted == '"') {
          closed = true;
          break;
        }
        if (quoted != '\\') {
          word += quoted;
          continue;
        }
        if (at == line.size()) break;
        const char escaped = line[at++];
        if (escaped == 'n') word += '\n';
        else if (escaped == '"' || escaped == '\\') word += escaped;
        else return {{}, std::string("unknown escape \\") + escaped};
      }
      if (!closed) return {{}, "unterminated quote"};
    }
    result.words.push_back(std::move(word));
  }
  return result;
}

std::optional<int> ParseNumber(std::string_view text) {
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  int value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<std::array<int, 4>> ParseDottedAddress(std::string_view text) {
  std::array<int, 4> octets{};
  for (std::size_t index = 0; index < octets.size(); ++index) {
    const std::size_t dot = index + 1 < octets.size() ? text.find('.') : text.size();
    if (dot == std::string_view::npos) return std::nullopt;
    const std::string_view part = text.substr(0, dot);
    // Three digits at most: no sign, no hexadecimal, no blanks.
    if (part.empty() || part.size() > 3 || part.find_first_not_of("0123456789") != std::string_view::npos)
      return std::nullopt;
    const auto value = ParseNumber(part);
    if (!value || *value > 255) return std::nullopt;
    octets[index] = *value;
    text.remove_prefix(dot == text.size() ? dot : dot + 1);
  }
  return octets;
}
