// Answers searches (type 1) with each device's type-8 reply, faults included.
#pragma once
#include <cstdint>
#include <vector>

#include "sim/device_state.h"
#include "sim/event_loop.h"
#include "sim/udp_service.h"

class DiscoveryResponder {
public:
  DiscoveryResponder(std::vector<DeviceState>& devices, EventLoop& loop, DatagramSender send)
      : devices_(devices), loop_(loop), send_(std::move(send)) {}

  void OnSearch(const std::vector<std::uint8_t>& request);

  // The reply one device gives to a request, faults of its content applied.
  static std::vector<std::uint8_t> ReplyFor(const DeviceState& device,
                                            const std::vector<std::uint8_t>& request);

private:
  std::vector<DeviceState>& devices_;
  EventLoop& loop_;
  DatagramSender send_;
};
