#include "rules/login_rules.h"

#include <algorithm>

#include "rules/dotted_address.h"

namespace {
char16_t FoldAscii(char16_t c) { return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c; }

bool EqualIgnoringAsciiCase(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char16_t x, char16_t y) { return FoldAscii(x) == FoldAscii(y); });
}
}  // namespace

int ChooseDevice(const std::vector<std::u16string>& names, std::u16string_view remembered) {
  if (names.empty()) return -1;
  int chosen = 0;
  for (size_t index = 0; index < names.size(); ++index) {
    if (EqualIgnoringAsciiCase(names[index], remembered)) chosen = static_cast<int>(index);
  }
  return chosen;
}

bool OnSameSubnet(std::string_view adapterAddress, std::string_view adapterMask, std::string_view deviceAddress,
                  std::string_view deviceMask) {
  const auto ownAddress = ParseDotted(adapterAddress);
  const auto ownMask = ParseDotted(adapterMask);
  const auto address = ParseDotted(deviceAddress);
  const auto mask = ParseDotted(deviceMask);
  if (!ownAddress || !ownMask || !address || !mask) return false;
  return (*ownAddress & *ownMask) == (*address & *mask);
}
