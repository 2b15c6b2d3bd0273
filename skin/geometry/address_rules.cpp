#include "skin/geometry/address_rules.h"

namespace {
constexpr unsigned kOctetMax = 255;
// Enough to tell any longer number from a valid octet without overflowing.
constexpr unsigned kReadingCap = 100000;
}  // namespace

FieldReading ReadOctetField(std::u16string_view text) {
  if (text.empty()) return {FieldState::kEmpty, 0};
  unsigned value = 0;
  for (char16_t c : text) {
    if (c < u'0' || c > u'9') break;
    value = value * 10 + static_cast<unsigned>(c - u'0');
    if (value > kReadingCap) value = kReadingCap;
  }
  return {value > kOctetMax ? FieldState::kOutOfRange : FieldState::kValue, value};
}

AddressVerdict CheckAddress(const Octets& octets, AddressKind kind) {
  switch (kind) {
    case AddressKind::kAny:
      return AddressVerdict::kValid;
    case AddressKind::kSubnetMask:
      return IsSubnetMask(PackAddress(octets)) ? AddressVerdict::kValid : AddressVerdict::kBadMask;
    case AddressKind::kIp:
    case AddressKind::kGateway:
    case AddressKind::kDns:
      if (octets[0] < 1 || octets[0] > kHighestFirstOctet) return AddressVerdict::kBadFirstOctet;
      if (octets[3] == 0 || octets[3] == kOctetMax) return AddressVerdict::kBadLastOctet;
      return AddressVerdict::kValid;
  }
  return AddressVerdict::kValid;
}

std::uint32_t PackAddress(const Octets& octets) {
  return (static_cast<std::uint32_t>(octets[0]) << 24) | (static_cast<std::uint32_t>(octets[1]) << 16) |
         (static_cast<std::uint32_t>(octets[2]) << 8) | octets[3];
}

bool IsSubnetMask(std::uint32_t value) {
  // The negation keeps the lowest one-bit and flips every bit above it, so together with the
  // complement it leaves the zero bits above the lowest one-bit: a mask has none.
  return (~value & (0u - value)) == 0;
}
