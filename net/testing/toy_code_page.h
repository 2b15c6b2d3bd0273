// A code page for the tests and fuzz targets of the answer parsers, with characters of one and of
// two bytes, so that cutting texts at character boundaries is exercised.
#pragma once
#include <string>
#include <string_view>

#include "base/ansi_code_page.h"

// A toy double-byte code page: ASCII as itself, any other character below U+8000 as two bytes
// (0x80 | high byte, low byte), anything else as "?".
class ToyCodePage : public AnsiCodePage {
public:
  std::u16string ToText(std::string_view bytes) const override {
    std::u16string text;
    for (std::size_t at = 0; at < bytes.size(); ++at) {
      const auto b = static_cast<unsigned char>(bytes[at]);
      if (b < 0x80 || at + 1 == bytes.size()) {
        text += static_cast<char16_t>(b);
      } else {
        text += static_cast<char16_t>(((b & 0x7F) << 8) | static_cast<unsigned char>(bytes[++at]));
      }
    }
    return text;
  }
  std::string ToBytes(std::u16string_view text) const override {
    std::string bytes;
    for (const char16_t c : text) {
      if (c < 0x80) {
        bytes += static_cast<char>(c);
      } else if (c < 0x8000) {
        bytes += static_cast<char>(0x80 | (c >> 8));
        bytes += static_cast<char>(c & 0xFF);
      } else {
        bytes += '?';
      }
    }
    return bytes;
  }
};
