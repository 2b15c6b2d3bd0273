// The fine-detail measure that tells a picture drawn for its scale from a stretched one.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "skin/geometry/fine_detail.h"

namespace {
std::vector<std::uint32_t> Checkerboard(int size, int square) {
  std::vector<std::uint32_t> pixels;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) pixels.push_back(((x / square + y / square) % 2) ? 0xFFFFFFu : 0u);
  }
  return pixels;
}

// `pixels` (size x size) blurred with a 3 x 3 box, as a stretched picture's edges are smeared.
std::vector<std::uint32_t> Blurred(const std::vector<std::uint32_t>& pixels, int size) {
  std::vector<std::uint32_t> out(pixels);
  for (int y = 1; y + 1 < size; ++y) {
    for (int x = 1; x + 1 < size; ++x) {
      unsigned sum = 0;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) sum += pixels[(y + dy) * size + x + dx] & 0xFF;
      const std::uint32_t grey = sum / 9;
      out[y * size + x] = grey << 16 | grey << 8 | grey;
    }
  }
  return out;
}
}  // namespace

TEST(FineDetail, SharpEdgesScoreAboveSmearedOnesAndFlatScoresZero) {
  const auto sharp = Checkerboard(24, 3);
  const double crisp = FineDetail(sharp, 24, 24);
  EXPECT_GT(crisp, 30.0);
  EXPECT_LT(FineDetail(Blurred(sharp, 24), 24, 24), crisp * 0.8);
  EXPECT_EQ(FineDetail(std::vector<std::uint32_t>(100, 0x336699u), 10, 10), 0.0);
  // Finer squares hold more detail than coarse ones.
  EXPECT_GT(FineDetail(Checkerboard(24, 2), 24, 24), FineDetail(Checkerboard(24, 6), 24, 24));
}

TEST(FineDetail, PicturesTooSmallOrOfAnotherSizeScoreZero) {
  EXPECT_EQ(FineDetail(std::vector<std::uint32_t>(4, 0xFFFFFFu), 2, 2), 0.0);
  EXPECT_EQ(FineDetail(Checkerboard(8, 1), 8, 9), 0.0);
  EXPECT_EQ(FineDetail({}, 0, 0), 0.0);
}
