// How a device takes new address settings, whichever exchange brings them (the set-IP datagram
// or the network command of the web server), and how the simulator's interface follows it.
#pragma once
#include <functional>
#include <optional>
#include <string>

#include "sim/device_state.h"

struct DeviceAddressing {
  std::string address;
  std::string mask;
  std::string gateway;
  bool dhcp = false;
};

// What the device's addressing becomes. With DHCP the device takes its configured DHCP address
// (or keeps its own) and keeps mask and gateway; a static change needs an address, a contiguous
// mask and a gateway that is an address or empty. Anything else is refused: nothing.
std::optional<DeviceAddressing> AddressingAfter(const DeviceState& device, bool dhcp,
                                                const std::string& address,
                                                const std::string& mask,
                                                const std::string& gateway);

// The device takes `next` and remembers the address it had (when it changed).
void TakeAddressing(DeviceState& device, const DeviceAddressing& next);

// "address=A mask=M gateway=G dhcp=0|1", for the log.
std::string DescribeAddressing(const DeviceAddressing& addressing);

// Moves the interface that holds address `from` to `to` with the given prefix length.
using InterfaceMover = std::function<void(const std::string& from, const std::string& to,
                                          int prefixLength)>;
