#include "settings/base64.h"

#include <array>
#include <cstdint>

namespace {

constexpr std::size_t kAlphabetSize = 64;
constexpr char kFill = '=';
constexpr std::int8_t kNotInAlphabet = -1;

using ReverseTable = std::array<std::int8_t, 256>;

// Index of every byte value in the alphabet; false for an alphabet that cannot decode unambiguously.
bool BuildReverseTable(std::string_view alphabet, ReverseTable& table) {
  if (alphabet.size() != kAlphabetSize) return false;
  table.fill(kNotInAlphabet);
  for (std::size_t i = 0; i < kAlphabetSize; ++i) {
    const auto c = static_cast<unsigned char>(alphabet[i]);
    if (c == kFill || table[c] != kNotInAlphabet) return false;
    table[c] = static_cast<std::int8_t>(i);
  }
  return true;
}

}  // namespace

std::string EncodeBase64(std::string_view bytes, std::string_view alphabet) {
  if (alphabet.size() != kAlphabetSize) return {};
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    const std::size_t count = bytes.size() - i < 3 ? bytes.size() - i : 3;
    std::uint32_t group = static_cast<unsigned char>(bytes[i]) << 16;
    if (count > 1) group |= static_cast<unsigned char>(bytes[i + 1]) << 8;
    if (count > 2) group |= static_cast<unsigned char>(bytes[i + 2]);
    out += alphabet[(group >> 18) & 63];
    out += alphabet[(group >> 12) & 63];
    out += count > 1 ? alphabet[(group >> 6) & 63] : kFill;
    out += count > 2 ? alphabet[group & 63] : kFill;
  }
  return out;
}

std::optional<std::string> DecodeBase64(std::string_view text, std::string_view alphabet) {
  ReverseTable table;
  if (!BuildReverseTable(alphabet, table) || text.size() % 4 != 0) return std::nullopt;
  std::string out;
  out.reserve(text.size() / 4 * 3);
  for (std::size_t i = 0; i < text.size(); i += 4) {
    const bool last = i + 4 == text.size();
    // Fill characters only close the final group: "xx==" carries one byte, "xxx=" two.
    std::size_t filled = 0;
    if (last && text[i + 3] == kFill) filled = text[i + 2] == kFill ? 2 : 1;
    std::uint32_t group = 0;
    for (std::size_t j = 0; j < 4; ++j) {
      std::int8_t index = 0;
      if (j < 4 - filled) {
        index = table[static_cast<unsigned char>(text[i + j])];
        if (index == kNotInAlphabet) return std::nullopt;
      }
      group = group << 6 | static_cast<std::uint32_t>(index);
    }
    out += static_cast<char>(group >> 16);
    if (filled < 2) out += static_cast<char>(group >> 8 & 0xFF);
    if (filled < 1) out += static_cast<char>(group & 0xFF);
  }
  return out;
}
