// Reads the simulator's configuration: one [device] section per simulated device, key=value lines.
//
//   [device]
//   name=NAS-ONE
//   mac=00:11:22:33:44:01
//   address=192.0.2.21
//   mask=255.255.255.0
//   gateway=192.0.2.1
//   dhcp=0
//   text=any text
//   search.silent=1 | search.delay_ms=300 | search.foreign_model=1 | search.wrong_id=1
//   search.answers=2
//
// Lines starting with '#' or ';' are comments.
#pragma once
#include <istream>
#include <string>
#include <vector>

#include "sim/device_state.h"

struct ConfigResult {
  std::vector<DeviceState> devices;
  std::string error;  // empty when the whole text was understood
};

ConfigResult ParseDeviceConfig(std::istream& in);
