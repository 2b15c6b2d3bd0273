// The size a PNG declares in its header, read without decoding the image.
#pragma once
#include <cstddef>
#include <optional>
#include <span>

struct PngSize {
  int width;
  int height;
};

// The width and height of the IHDR chunk that must open every PNG after its signature; nothing
// when the bytes do not start like a PNG or declare a size of 0 or beyond 2^31 - 1. Only the first
// 24 bytes are read; whether the rest decodes is for the decoder to find out.
std::optional<PngSize> ReadPngSize(std::span<const unsigned char> bytes);
