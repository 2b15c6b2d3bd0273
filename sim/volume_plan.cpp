#include "sim/volume_plan.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "sim/text_numbers.h"

namespace {

// The positions (from 0) that always hold the same value.
constexpr std::array<std::pair<int, const char*>, 7> kFixedValues{
    {{5, "none"}, {7, "1"}, {9, "0"}, {10, "none"}, {12, "0"}, {13, "0"}, {14, "null"}}};

std::vector<std::string_view> SplitAtCommas(std::string_view text) {
  std::vector<std::string_view> values;
  for (;;) {
    const auto comma = text.find(',');
    values.push_back(text.substr(0, comma));
    if (comma == std::string_view::npos) return values;
    text.remove_prefix(comma + 1);
  }
}

std::optional<bool> ReadFlag(std::string_view text) {
  if (text == "0") return false;
  if (text == "1") return true;
  return std::nullopt;
}

// The disks a disk text names: one device name, or two different ones joined.
std::optional<std::vector<const DeviceDisk*>> DisksNamed(std::string_view text,
                                                         const std::vector<DeviceDisk>& disks) {
  for (const DeviceDisk& disk : disks)
    if (disk.name == text) return std::vector<const DeviceDisk*>{&disk};
  for (const DeviceDisk& first : disks)
    for (const DeviceDisk& second : disks)
      if (&first != &second && text == first.name + second.name)
        return std::vector<const DeviceDisk*>{&first, &second};
  return std::nullopt;
}

// One volume's values, or what is wrong with them.
std::string ReadVolume(const std::vector<std::string_view>& values,
                       const std::vector<DeviceDisk>& disks, PlannedVolume& volume) {
  for (const auto& [position, fixed] : kFixedValues)
    if (values[position] != fixed)
      return "value " + std::to_string(position + 1) + " is not " + fixed;
  const auto number = ReadCount(values[0], 2);
  if (!number || *number < 1) return "volume number " + std::string(values[0]);
  volume.number = *number;
  volume.level = values[1];
  if (!IsVolumeLevel(volume.level)) return "level " + volume.level;
  volume.fileSystem = values[2];
  if (volume.fileSystem.empty()) return "no file system";
  const auto size = ReadCount(values[3]);
  if (!size || *size < 1 || values[8] != values[3]) return "size " + std::string(values[3]);
  volume.sizeGiB = *size;
  const auto used = DisksNamed(values[4], disks);
  if (!used) return "unknown disks " + std::string(values[4]);
  if (used->size() != (volume.level == "standard" ? 1u : 2u))
    return volume.level + " on " + std::to_string(used->size()) + " disk(s)";
  long long capacity = 0;
  for (const DeviceDisk* disk : *used) {
    volume.disks.push_back(disk->name);
    capacity += disk->sizeGiB;
  }
  if (volume.sizeGiB > capacity)
    return "size " + std::to_string(volume.sizeGiB) + " beyond the disks";
  const auto spare = ReadFlag(values[6]), equal = ReadFlag(values[11]);
  if (!spare || !equal) return "flags " + std::string(values[6]) + "," + std::string(values[11]);
  volume.spare = *spare;
  volume.equal = *equal;
  return {};
}

}  // namespace

VolumePlan ReadVolumePlan(std::string_view text, const std::vector<DeviceDisk>& disks) {
  const std::vector<std::string_view> values = SplitAtCommas(text);
  if (values.size() != kValuesPerVolume && values.size() != 2 * kValuesPerVolume)
    return {{}, std::to_string(values.size()) + " values"};
  VolumePlan plan;
  for (std::size_t first = 0; first < values.size(); first += kValuesPerVolume) {
    PlannedVolume volume;
    const std::vector<std::string_view> own(values.begin() + first,
                                            values.begin() + first + kValuesPerVolume);
    if (std::string error = ReadVolume(own, disks, volume); !error.empty())
      return {{}, "volume " + std::to_string(plan.volumes.size() + 1) + ": " + error};
    const bool numberTaken = std::any_of(plan.volumes.begin(), plan.volumes.end(),
                                         [&volume](const PlannedVolume& v) {
                                           return v.number == volume.number;
                                         });
    if (numberTaken) return {{}, "volume number " + std::to_string(volume.number) + " twice"};
    plan.volumes.push_back(std::move(volume));
  }
  return plan;
}
