// The simulator's configuration reader on arbitrary text: it understands the whole text or names
// what it did not, never half of both.
#include <cstdint>
#include <sstream>
#include <string>

#include "fuzz/fuzz_input.h"
#include "sim/device_config.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  const ConfigResult result = ParseDeviceConfig(in);
  FuzzRequire(result.error.empty() || result.devices.empty(), "devices kept beside an error");
  for (const DeviceState& device : result.devices) {
    FuzzRequire(!device.address.empty(), "a device without an address");
    FuzzRequire(!device.users.empty(), "a device without users");
    FuzzRequire(device.search.answers >= 0 && device.search.answers <= 100,
                "a repeat count out of range");
  }
  return 0;
}
