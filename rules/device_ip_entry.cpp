#include "rules/device_ip_entry.h"

#include <cstdio>
#include <cstring>
#include <string_view>

#include "rules/dotted_address.h"

namespace {
constexpr char kInterfaceName[] = "LAN1";
constexpr std::uint8_t kLoopbackNetwork = 127;

void WriteDotted(char (&field)[16], const Octets& octets) {
  std::snprintf(field, sizeof field, "%d.%d.%d.%d", octets[0], octets[1], octets[2], octets[3]);
}
}  // namespace

Octets OctetsOfDotted(const char* text) {
  const std::optional<std::uint32_t> address = ParseDotted(std::string_view(text ? text : ""));
  if (!address) return {};
  return {static_cast<std::uint8_t>(*address >> 24), static_cast<std::uint8_t>(*address >> 16),
          static_cast<std::uint8_t>(*address >> 8), static_cast<std::uint8_t>(*address)};
}

bool IsLoopbackAddress(const Octets& address) { return address[0] == kLoopbackNetwork; }

bool GatewayOnSubnet(const DeviceIpEntry& entry) {
  const std::uint32_t mask = PackAddress(entry.mask);
  return (PackAddress(entry.address) & mask) == (PackAddress(entry.gateway) & mask);
}

SetIpRequest MakeSetIpRequest(const DeviceIpEntry& entry, AddressMode mode) {
  SetIpRequest request{};
  std::memcpy(request.interfaceName, kInterfaceName, sizeof kInterfaceName);
  WriteDotted(request.address, entry.address);
  WriteDotted(request.mask, entry.mask);
  WriteDotted(request.gateway, entry.gateway);
  request.dhcpFlag = mode == AddressMode::kDhcp ? '1' : '0';
  return request;
}
