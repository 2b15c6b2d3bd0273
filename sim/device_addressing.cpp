#include "sim/device_addressing.h"

std::optional<DeviceAddressing> AddressingAfter(const DeviceState& device, bool dhcp,
                                                const std::string& address,
                                                const std::string& mask,
                                                const std::string& gateway) {
  DeviceAddressing next{device.address, device.mask, device.gateway, dhcp};
  if (dhcp) {
    if (!device.dhcpAddress.empty()) next.address = device.dhcpAddress;
    return next;
  }
  next.address = address;
  next.mask = mask;
  next.gateway = gateway;
  if (!Ipv4Bytes(next.address) || !PrefixLength(next.mask)) return std::nullopt;
  if (!next.gateway.empty() && !Ipv4Bytes(next.gateway)) return std::nullopt;
  return next;
}

void TakeAddressing(DeviceState& device, const DeviceAddressing& next) {
  if (next.address != device.address) device.formerAddress = device.address;
  device.address = next.address;
  device.mask = next.mask;
  device.gateway = next.gateway;
  device.dhcp = next.dhcp;
}

std::string DescribeAddressing(const DeviceAddressing& addressing) {
  return "address=" + addressing.address + " mask=" + addressing.mask +
         " gateway=" + addressing.gateway + " dhcp=" + (addressing.dhcp ? "1" : "0");
}
