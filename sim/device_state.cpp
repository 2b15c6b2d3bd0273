#include "sim/device_state.h"

#include <arpa/inet.h>

#include <algorithm>
#include <bit>
#include <cstring>

std::optional<std::array<std::uint8_t, 4>> Ipv4Bytes(const std::string& dotted) {
  in_addr parsed{};
  if (inet_pton(AF_INET, dotted.c_str(), &parsed) != 1) return std::nullopt;
  std::array<std::uint8_t, 4> bytes;
  std::memcpy(bytes.data(), &parsed, 4);
  return bytes;
}

std::optional<int> PrefixLength(const std::string& mask) {
  const auto bytes = Ipv4Bytes(mask);
  if (!bytes) return std::nullopt;
  std::uint32_t bits = 0;
  for (const std::uint8_t b : *bytes) bits = (bits << 8) | b;
  const int length = std::countl_one(bits);
  if (length < 32 && (bits << length) != 0) return std::nullopt;  // a hole in the mask
  return length;
}

std::array<std::uint8_t, 10> DeviceIdOf(const DeviceState& device) {
  std::array<std::uint8_t, 10> id{};
  std::copy(device.mac.begin(), device.mac.end(), id.begin());
  const auto ipv4 = Ipv4Bytes(device.address).value_or(std::array<std::uint8_t, 4>{});
  std::copy(ipv4.begin(), ipv4.end(), id.begin() + 6);
  return id;
}

bool IsVolumeLevel(std::string_view level) {
  return level == "standard" || level == "linear" || level == "raid0" || level == "raid1";
}
