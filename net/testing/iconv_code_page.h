// A real ANSI code page for the host's fuzz targets and tests: its table is read from the host's
// iconv once (CP1252, CP936, CP950, ...), and it converts the way the system's conversion does: a
// lead byte takes the byte after it, a sequence the table lacks reads as U+FFFD, and a character
// the code page lacks is written as "?".
#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "base/ansi_code_page.h"

class IconvCodePage : public AnsiCodePage {
public:
  // Reads the table of `name` from iconv; Loaded() is false when iconv does not know it.
  explicit IconvCodePage(const char* name);

  bool Loaded() const { return loaded_; }
  bool IsLeadByte(unsigned char byte) const { return lead_[byte]; }

  std::u16string ToText(std::string_view bytes) const override;
  std::string ToBytes(std::u16string_view text) const override;

private:
  static constexpr char16_t kUnmapped = 0xFFFD;

  bool loaded_ = false;
  std::array<bool, 256> lead_{};
  std::array<char16_t, 256> single_{};
  std::vector<char16_t> pairs_;                // [lead * 256 + trail]
  std::vector<std::string> bytesOf_;           // [UTF-16 unit]: empty when unmapped
};
