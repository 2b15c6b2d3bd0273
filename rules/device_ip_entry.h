// What the device IP dialog sends: the address, mask and gateway the administrator chose for the
// device's LAN interface and the addressing mode, and the checks of that choice that no single
// address field can make on its own.
#pragma once
#include "net/login_datagram.h"
#include "skin/geometry/address_rules.h"

enum class AddressMode { kDhcp, kStatic };

struct DeviceIpEntry {
  Octets address{};
  Octets mask{};
  Octets gateway{};
};

// The octets of a device record's dotted text; all zero for text that is not an address.
Octets OctetsOfDotted(const char* text);

// Loopback addresses (127.x.x.x) would cut the device off the network.
bool IsLoopbackAddress(const Octets& address);

// Whether the gateway lies in the subnet that the address and mask define.
bool GatewayOnSubnet(const DeviceIpEntry& entry);

// The request for the device's "LAN1" interface: each address as "%d.%d.%d.%d" text, the mode as
// "1" (DHCP) or "0" (static), everything else zero.
SetIpRequest MakeSetIpRequest(const DeviceIpEntry& entry, AddressMode mode);
