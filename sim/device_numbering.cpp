#include "sim/device_numbering.h"

#include <cstdint>

namespace {

std::uint64_t MacValue(const std::array<std::uint8_t, 6>& mac) {
  std::uint64_t value = 0;
  for (std::uint8_t byte : mac) value = value << 8 | byte;
  return value;
}

std::array<std::uint8_t, 6> MacBytes(std::uint64_t value) {
  std::array<std::uint8_t, 6> mac{};
  for (int i = 5; i >= 0; --i, value >>= 8) mac[static_cast<std::size_t>(i)] = value & 0xFF;
  return mac;
}

std::string Dotted(std::uint32_t value) {
  return std::to_string(value >> 24) + "." + std::to_string(value >> 16 & 0xFF) + "." +
         std::to_string(value >> 8 & 0xFF) + "." + std::to_string(value & 0xFF);
}

}  // namespace

std::optional<std::string> NumberDevices(std::vector<DeviceState>& devices) {
  std::vector<DeviceState> numbered;
  for (const DeviceState& device : devices) {
    const auto bytes = Ipv4Bytes(device.address);
    if (!bytes) return "a device has no address";
    const std::uint32_t address = static_cast<std::uint32_t>((*bytes)[0]) << 24 |
                                  static_cast<std::uint32_t>((*bytes)[1]) << 16 |
                                  static_cast<std::uint32_t>((*bytes)[2]) << 8 | (*bytes)[3];
    const std::uint64_t mac = MacValue(device.mac);
    const std::uint32_t last = static_cast<std::uint32_t>(device.count - 1);
    if (device.count > 1 && (address > UINT32_MAX - last || mac + last > 0xFFFFFFFFFFFFull))
      return device.address + ": " + std::to_string(device.count) +
             " numbered devices run past the last address or MAC";
    for (std::uint32_t k = 0; k <= last; ++k) {
      DeviceState copy = device;
      copy.count = 1;
      if (device.count > 1) {
        copy.address = Dotted(address + k);
        copy.mac = MacBytes(mac + k);
        if (!copy.name.empty()) copy.name += " " + std::to_string(k + 1);
      }
      numbered.push_back(std::move(copy));
    }
  }
  devices = std::move(numbered);
  return std::nullopt;
}
