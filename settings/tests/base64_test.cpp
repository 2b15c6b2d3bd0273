#include "settings/base64.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

using namespace std::string_literals;

TEST(Base64, EncodesTheStandardVectors) {
  EXPECT_EQ(EncodeBase64(""), "");
  EXPECT_EQ(EncodeBase64("f"), "Zg==");
  EXPECT_EQ(EncodeBase64("fo"), "Zm8=");
  EXPECT_EQ(EncodeBase64("foo"), "Zm9v");
  EXPECT_EQ(EncodeBase64("foob"), "Zm9vYg==");
  EXPECT_EQ(EncodeBase64("fooba"), "Zm9vYmE=");
  EXPECT_EQ(EncodeBase64("foobar"), "Zm9vYmFy");
  EXPECT_EQ(EncodeBase64("admin:secret"), "YWRtaW46c2VjcmV0");
  EXPECT_EQ(EncodeBase64("\xff\xfe\xfd"s), "//79");
}

TEST(Base64, ShortPasswordsFillTheirOnlyGroup) {
  EXPECT_EQ(EncodeBase64("a"), "YQ==");
  EXPECT_EQ(EncodeBase64("ab"), "YWI=");
  EXPECT_EQ(DecodeBase64("YQ=="), "a");
  EXPECT_EQ(DecodeBase64("YWI="), "ab");
}

TEST(Base64, RoundTripsArbitraryBytes) {
  std::string every;
  for (int b = 0; b < 256; ++b) every += static_cast<char>(b);
  EXPECT_EQ(DecodeBase64(EncodeBase64(every)), every);

  std::mt19937 random(20240);
  for (std::size_t length = 0; length < 64; ++length) {
    std::string bytes(length, '\0');
    for (char& b : bytes) b = static_cast<char>(random());
    const std::string text = EncodeBase64(bytes);
    EXPECT_EQ(text.size(), (length + 2) / 3 * 4);
    EXPECT_EQ(DecodeBase64(text), bytes) << "length " << length;
  }
}

TEST(Base64, RejectsTextThatIsNotBase64) {
  for (const char* text : {"Y", "YQ", "YQ=", "YQ===", "YWJjZ",  // not whole groups
                           "YW J", "YWI\n", "YW-_", "\x80\x81\x82\x83",  // outside the alphabet
                           "====", "Y===", "=WJj", "YW=j", "YQ==YWJj", "YWI=YWJj"})  // misplaced "="
    EXPECT_EQ(DecodeBase64(text), std::nullopt) << text;
  EXPECT_EQ(DecodeBase64(""), "");
}

TEST(Base64, UsesTheAlphabetItIsGiven) {
  constexpr std::string_view kUrlAlphabet =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
  EXPECT_EQ(EncodeBase64("\xff\xfe\xfd"s, kUrlAlphabet), "__79");
  EXPECT_EQ(DecodeBase64("__79", kUrlAlphabet), "\xff\xfe\xfd"s);
  EXPECT_EQ(DecodeBase64("//79", kUrlAlphabet), std::nullopt);
}

TEST(Base64, AnAlphabetThatCannotServeGivesNoResult) {
  EXPECT_EQ(EncodeBase64("abc", "ABC"), "");
  EXPECT_EQ(DecodeBase64("YWJj", "ABC"), std::nullopt);
  std::string repeated(kBase64Alphabet);
  repeated[63] = 'A';
  EXPECT_EQ(DecodeBase64("YWJj", repeated), std::nullopt);
  std::string withFill(kBase64Alphabet);
  withFill[63] = '=';
  EXPECT_EQ(DecodeBase64("YWJj", withFill), std::nullopt);
}

}  // namespace
