// One line on stderr per exchange a device answers (or refuses), for people watching the simulator
// and for test scripts that look for them: "<device name> <what happened>".
#pragma once
#include <string>
#include <string_view>

#include "sim/device_state.h"

void LogExchange(const DeviceState& device, const std::string& what);

// Text from the network made fit for one log line: bytes outside printable ASCII become '?'.
std::string Printable(std::string_view text);
