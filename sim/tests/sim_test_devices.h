// Devices and requests shared by the simulator's responder tests.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "net/datagram.h"
#include "sim/device_state.h"
#include "sim/event_loop.h"

inline DeviceState TestDevice(const std::string& address, std::uint8_t macEnd) {
  DeviceState d;
  d.name = "NAS-" + std::to_string(macEnd);
  d.address = address;
  d.mask = "255.255.255.0";
  d.gateway = "192.0.2.1";
  d.mac = {0x00, 0x11, 0x22, 0x33, 0x44, macEnd};
  d.users = {{"admin", "secret", "1111"}, {"bob", "pw", "0100"}};
  return d;
}

inline DiscoveryId TestSearchId() {
  DiscoveryId id;
  id.bytes = {9, 8, 7, 6, 5, 4, 0, 0, 0, 0};
  return id;
}

// Runs the loop long enough for every answer scheduled so far to go out.
inline void RunFor(EventLoop& loop, int milliseconds) {
  loop.After(milliseconds, [&loop] { loop.Stop(); });
  loop.Run();
}
