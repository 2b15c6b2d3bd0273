// Many simulated devices from one configuration section, so that a LAN of hundreds of devices
// costs one process and a few lines of configuration.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "sim/device_state.h"

// The most devices one section may stand for.
constexpr int kMaxNumberedDevices = 4096;

// Replaces each device whose `count` is above 1 by that many numbered copies: the k-th (from 0)
// has MAC and address each counted up by k, and " k+1" after its name when it has one. Returns what
// went wrong (a MAC or address that would run past its last value), or nothing.
std::optional<std::string> NumberDevices(std::vector<DeviceState>& devices);
