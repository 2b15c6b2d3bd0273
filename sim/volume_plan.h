// The volume plan of the volume creation command (f_create_volume_info): 15 comma-separated values
// per volume, one or two volumes, read and checked against the device's disks the way its disk
// manager would before it destroys anything.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "sim/device_state.h"

// The values of one volume, in order: number, level, file system, size in GiB, disks (one device
// name, or two joined without a separator), "none", spare flag, "1", the size again, "0", "none",
// equal flag, "0", "0", "null".
constexpr int kValuesPerVolume = 15;

struct PlannedVolume {
  int number = 0;
  std::string level;
  std::string fileSystem;
  int sizeGiB = 0;
  std::vector<std::string> disks;
  bool spare = false;
  bool equal = false;
};

struct VolumePlan {
  std::vector<PlannedVolume> volumes;
  std::string error;  // empty when the plan can be built
};

// Refused (with the reason in `error`): another number of values, a volume number other than 1 or
// 2 or used twice, an unknown level, an empty file system, a size that is not a positive number or
// exceeds the disks it is built on together, disks the device does not have (or too few or too
// many for the level: one for standard, two for the others), flags other than 0 or 1, and fixed
// values other than those listed.
VolumePlan ReadVolumePlan(std::string_view text, const std::vector<DeviceDisk>& disks);
