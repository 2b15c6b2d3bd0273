#include "skin/geometry/png_header.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {
constexpr std::array<unsigned char, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::array<unsigned char, 4> kHeaderChunk = {'I', 'H', 'D', 'R'};
constexpr std::uint32_t kHeaderLength = 13;
constexpr std::uint32_t kLargestDimension = 0x7FFFFFFF;
// Signature, chunk length, chunk type, width, height.
constexpr std::size_t kBytesRead = 24;

std::uint32_t BigEndian32(const unsigned char* bytes) {
  return static_cast<std::uint32_t>(bytes[0]) << 24 | static_cast<std::uint32_t>(bytes[1]) << 16 |
         static_cast<std::uint32_t>(bytes[2]) << 8 | bytes[3];
}

bool StartsWith(const unsigned char* bytes, const auto& expected) {
  return std::equal(expected.begin(), expected.end(), bytes);
}

bool IsDimension(std::uint32_t value) { return value != 0 && value <= kLargestDimension; }
}  // namespace

std::optional<PngSize> ReadPngSize(std::span<const unsigned char> bytes) {
  if (bytes.size() < kBytesRead) return std::nullopt;
  const unsigned char* at = bytes.data();
  if (!StartsWith(at, kSignature) || BigEndian32(at + 8) != kHeaderLength ||
      !StartsWith(at + 12, kHeaderChunk))
    return std::nullopt;
  const std::uint32_t width = BigEndian32(at + 16);
  const std::uint32_t height = BigEndian32(at + 20);
  if (!IsDimension(width) || !IsDimension(height)) return std::nullopt;
  return PngSize{static_cast<int>(width), static_cast<int>(height)};
}
