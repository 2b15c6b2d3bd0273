// Answers IP changes (type 5) with type-6 replies: the device takes the new settings, so that the
// next search reports them, and may move the simulator's own interface along with them.
#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "net/login_datagram.h"
#include "sim/device_state.h"
#include "sim/event_loop.h"
#include "sim/udp_service.h"

// Moves the interface that holds address `from` to `to` with the given prefix length.
using InterfaceMover = std::function<void(const std::string& from, const std::string& to,
                                          int prefixLength)>;

struct DeviceAddressing {
  std::string address;
  std::string mask;
  std::string gateway;
  bool dhcp = false;
};

class SetIpResponder {
public:
  SetIpResponder(std::vector<DeviceState>& devices, EventLoop& loop, DatagramSender send,
                 InterfaceMover move)
      : devices_(devices), loop_(loop), send_(std::move(send)), move_(std::move(move)) {}

  void OnSetIp(const std::vector<std::uint8_t>& request);

  // What the device's addressing becomes. With DHCP the device takes its configured DHCP address
  // (or keeps its own) and keeps mask and gateway; a static change needs an address, a contiguous
  // mask and a gateway that is an address or empty. Anything else is refused: nothing.
  static std::optional<DeviceAddressing> AddressingAfter(const DeviceState& device,
                                                         const SetIpRequest& settings);

private:
  void Apply(DeviceState& device, const DeviceAddressing& next,
             const std::vector<std::uint8_t>& reply);

  std::vector<DeviceState>& devices_;
  EventLoop& loop_;
  DatagramSender send_;
  InterfaceMover move_;
};
