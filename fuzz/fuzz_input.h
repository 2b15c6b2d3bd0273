// What the fuzz targets share: cutting one input into the parts a target needs, and stopping the
// run when a target's invariant breaks.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// Aborts (which the fuzzer reports as a finding) when `holds` is false.
inline void FuzzRequire(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "broken: %s\n", what);
  std::abort();
}

// Reads an input front to back: single bytes for choices, and pieces that carry their length
// (two bytes, little-endian) in front, so that every input means something and a seed can be
// written by hand. Whatever is used up reads as zero or empty; a length beyond the end takes the
// rest.
class FuzzInput {
public:
  FuzzInput(const std::uint8_t* data, std::size_t size)
      : text_(reinterpret_cast<const char*>(data), size) {}

  bool Empty() const { return text_.empty(); }

  std::uint8_t Byte() {
    if (text_.empty()) return 0;
    const auto b = static_cast<std::uint8_t>(text_[0]);
    text_.remove_prefix(1);
    return b;
  }

  std::string_view Piece() {
    const std::size_t length = Byte() | (static_cast<std::size_t>(Byte()) << 8);
    return Take(length);
  }

  std::string_view Rest() { return Take(text_.size()); }

private:
  std::string_view Take(std::size_t length) {
    const std::string_view piece = text_.substr(0, length);
    text_.remove_prefix(piece.size());
    return piece;
  }

  std::string_view text_;
};

// The input as UTF-16 code units (pairs of bytes, little-endian; an odd last byte is dropped).
inline std::u16string FuzzUtf16(std::string_view bytes) {
  std::u16string text(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < text.size(); ++i)
    text[i] = static_cast<char16_t>(static_cast<std::uint8_t>(bytes[2 * i]) |
                                    (static_cast<std::uint8_t>(bytes[2 * i + 1]) << 8));
  return text;
}
