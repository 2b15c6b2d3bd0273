// The size read from a PNG's header, and every way a resource can fail to be one.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/geometry/png_header.h"

namespace {
// Signature and IHDR chunk of a PNG of the given size (bit depth 8, RGBA), CRC left out.
std::vector<unsigned char> PngHeader(unsigned char w0, unsigned char w1, unsigned char w2, unsigned char w3,
                                     unsigned char h0, unsigned char h1, unsigned char h2, unsigned char h3) {
  return {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R',
          w0,   w1,  w2,  w3,  h0,   h1,   h2,   h3,   8, 6, 0, 0,  0};
}
}  // namespace

TEST(PngSize, ReadsTheBigEndianSizeOfTheHeaderChunk) {
  const auto size = ReadPngSize(PngHeader(0, 0, 0x02, 0x58, 0, 0, 0x01, 0x71));
  ASSERT_TRUE(size);
  EXPECT_EQ(size->width, 600);
  EXPECT_EQ(size->height, 369);
  const auto largest = ReadPngSize(PngHeader(0x7F, 0xFF, 0xFF, 0xFF, 0, 0, 0, 1));
  ASSERT_TRUE(largest);
  EXPECT_EQ(largest->width, 0x7FFFFFFF);
  // The size is all that is read: the first 24 bytes are enough.
  auto cut = PngHeader(0, 0, 0, 40, 0, 0, 0, 40);
  cut.resize(24);
  EXPECT_TRUE(ReadPngSize(cut));
}

TEST(PngSize, RefusesBytesThatDoNotStartLikeAPng) {
  EXPECT_FALSE(ReadPngSize({}));
  const std::string text = "not an image at all, but long enough";
  EXPECT_FALSE(ReadPngSize({reinterpret_cast<const unsigned char*>(text.data()), text.size()}));

  auto shortened = PngHeader(0, 0, 0, 40, 0, 0, 0, 40);
  shortened.resize(23);
  EXPECT_FALSE(ReadPngSize(shortened));

  auto badSignature = PngHeader(0, 0, 0, 40, 0, 0, 0, 40);
  badSignature[7] = '\r';  // a text-mode transfer's damage
  EXPECT_FALSE(ReadPngSize(badSignature));

  auto otherChunk = PngHeader(0, 0, 0, 40, 0, 0, 0, 40);
  otherChunk[12] = 'i';  // "iHDR" is not the header chunk
  EXPECT_FALSE(ReadPngSize(otherChunk));

  auto wrongLength = PngHeader(0, 0, 0, 40, 0, 0, 0, 40);
  wrongLength[11] = 12;
  EXPECT_FALSE(ReadPngSize(wrongLength));
}

TEST(PngSize, RefusesEmptyAndOversizedDimensions) {
  EXPECT_FALSE(ReadPngSize(PngHeader(0, 0, 0, 0, 0, 0, 0, 40)));
  EXPECT_FALSE(ReadPngSize(PngHeader(0, 0, 0, 40, 0, 0, 0, 0)));
  // Beyond 2^31 - 1 a size would turn negative as an int.
  EXPECT_FALSE(ReadPngSize(PngHeader(0x80, 0, 0, 0, 0, 0, 0, 40)));
  EXPECT_FALSE(ReadPngSize(PngHeader(0, 0, 0, 40, 0xFF, 0xFF, 0xFF, 0xFF)));
}
