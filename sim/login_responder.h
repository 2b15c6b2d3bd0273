// Answers login checks (type 3) with type-4 replies, faults included.
#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "net/login_datagram.h"
#include "sim/device_state.h"
#include "sim/event_loop.h"
#include "sim/udp_service.h"

class LoginResponder {
public:
  LoginResponder(std::vector<DeviceState>& devices, EventLoop& loop, DatagramSender send)
      : devices_(devices), loop_(loop), send_(std::move(send)) {}

  void OnLogin(const std::vector<std::uint8_t>& request);

  // Whether the device accepts the login; nothing when the request is not one it answers.
  static std::optional<bool> Verdict(const DeviceState& device, const LoginRequestContent& login);

private:
  std::vector<DeviceState>& devices_;
  EventLoop& loop_;
  DatagramSender send_;
};
