// The rules of the IP address field: reading one octet field, and the checks of an address by what
// it is meant to be.
#pragma once
#include <array>
#include <cstdint>
#include <string_view>

// What an address is checked as.
enum class AddressKind { kAny = 0, kIp = 1, kSubnetMask = 2, kGateway = 3, kDns = 4 };

using Octets = std::array<std::uint8_t, 4>;

enum class FieldState { kEmpty, kValue, kOutOfRange };

struct FieldReading {
  FieldState state;
  unsigned value;  // the number read; above 255 when out of range
};

// Reads a field's text as a decimal number (its leading digits; none reads as 0). An empty field
// is missing. A value above 255 (pasted or set by a program, never typed: typing checks it) is out
// of range instead of being cut to its low 8 bits.
FieldReading ReadOctetField(std::u16string_view text);

// The outcome of a check, with the value and the limit a message names.
enum class AddressVerdict { kValid, kBadFirstOctet, kBadLastOctet, kBadMask };

// kIp, kGateway, kDns: the first octet 1-223 (unicast, not network 0) and the last octet neither 0
// nor 255. kSubnetMask: 0 or a run of one-bits from the top bit. kAny: anything.
AddressVerdict CheckAddress(const Octets& octets, AddressKind kind);

// The highest value the message of a rejected first (223) or last (254) octet offers.
inline constexpr int kHighestFirstOctet = 223;
inline constexpr int kHighestLastOctet = 254;

// The first octet in the top byte.
std::uint32_t PackAddress(const Octets& octets);
bool IsSubnetMask(std::uint32_t value);
