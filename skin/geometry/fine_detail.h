// How much fine detail a picture holds: the mean difference, in grey levels, between each pixel's
// brightness and the mean of its 3 x 3 neighbourhood. Sharp edges and thin lines score high; a
// picture stretched from a smaller one (every edge smeared over several pixels) scores low, and a
// flat one zero. It compares pictures of one size showing the same thing.
#pragma once
#include <cstdint>
#include <span>

// `pixels` holds `width` x `height` pixels, row by row, as 0x00RRGGBB (the top byte is ignored);
// 0 for a picture smaller than 3 x 3 or a span of another size.
double FineDetail(std::span<const std::uint32_t> pixels, int width, int height);
