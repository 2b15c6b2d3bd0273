#include "net/testing/iconv_code_page.h"

#include <iconv.h>

namespace {

// The single UTF-16 unit iconv makes of `bytes`; nothing when it refuses them or gives more.
bool ConvertOne(iconv_t cd, std::string_view bytes, char16_t& out) {
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  std::string in(bytes);
  char* inAt = in.data();
  std::size_t inLeft = in.size();
  char16_t units[4];
  char* outAt = reinterpret_cast<char*>(units);
  std::size_t outLeft = sizeof units;
  if (iconv(cd, &inAt, &inLeft, &outAt, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0)
    return false;
  if (sizeof units - outLeft != sizeof(char16_t)) return false;
  out = units[0];
  return true;
}

}  // namespace

IconvCodePage::IconvCodePage(const char* name) : pairs_(256 * 256, kUnmapped), bytesOf_(0x10000) {
  const iconv_t cd = iconv_open("UTF-16LE", name);
  if (cd == reinterpret_cast<iconv_t>(-1)) return;
  for (unsigned byte = 0; byte < 256; ++byte) {
    const std::string one(1, static_cast<char>(byte));
    char16_t unit = kUnmapped;
    if (ConvertOne(cd, one, unit)) {
      single_[byte] = unit;
      continue;
    }
    single_[byte] = kUnmapped;
    // A byte that is not a character alone is a lead byte when some pair starting with it is one.
    for (unsigned trail = 0x40; trail < 256; ++trail) {
      const std::string two{static_cast<char>(byte), static_cast<char>(trail)};
      if (ConvertOne(cd, two, unit)) {
        pairs_[byte * 256 + trail] = unit;
        lead_[byte] = true;
      }
    }
  }
  iconv_close(cd);
  // The reverse table: the first (single bytes before pairs) sequence of each character.
  for (unsigned lead = 256; lead-- > 0;)
    for (unsigned trail = 256; trail-- > 0;)
      if (const char16_t unit = pairs_[lead * 256 + trail]; lead_[lead] && unit != kUnmapped)
        bytesOf_[unit] = std::string{static_cast<char>(lead), static_cast<char>(trail)};
  for (unsigned byte = 256; byte-- > 0;)
    if (!lead_[byte] && single_[byte] != kUnmapped)
      bytesOf_[single_[byte]] = std::string(1, static_cast<char>(byte));
  loaded_ = true;
}

std::u16string IconvCodePage::ToText(std::string_view bytes) const {
  std::u16string text;
  for (std::size_t at = 0; at < bytes.size(); ++at) {
    const auto byte = static_cast<unsigned char>(bytes[at]);
    if (!lead_[byte]) {
      text += single_[byte];
    } else if (at + 1 == bytes.size()) {
      text += kUnmapped;  // a lead byte without its trail byte
    } else {
      text += pairs_[byte * 256 + static_cast<unsigned char>(bytes[++at])];
    }
  }
  return text;
}

std::string IconvCodePage::ToBytes(std::u16string_view text) const {
  std::string bytes;
  for (const char16_t unit : text) {
    const std::string& mapped = bytesOf_[unit];
    bytes += mapped.empty() ? std::string("?") : mapped;
  }
  return bytes;
}
