// Answers IP changes (type 5) with type-6 replies: the device takes the new settings, so that the
// next search reports them, and may move the simulator's own interface along with them.
#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "net/login_datagram.h"
#include "sim/device_addressing.h"
#include "sim/device_state.h"
#include "sim/event_loop.h"
#include "sim/udp_service.h"

class SetIpResponder {
public:
  SetIpResponder(std::vector<DeviceState>& devices, EventLoop& loop, DatagramSender send,
                 InterfaceMover move)
      : devices_(devices), loop_(loop), send_(std::move(send)), move_(std::move(move)) {}

  void OnSetIp(const std::vector<std::uint8_t>& request);

  // What the device's addressing becomes, by the rules of device_addressing.h; a DHCP flag
  // other than '0' or '1' is refused.
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
