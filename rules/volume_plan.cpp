#include "rules/volume_plan.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr std::array<std::string_view, 5> kLevelTexts = {"", "standard", "linear", "raid0", "raid1"};
constexpr char kFileSystem[] = "ext4";
// What the device keeps back on each disk of a volume.
constexpr std::int64_t kReservePerDisk = 3;

// A disk name as the answer stored it; nothing when the field holds no zero, is empty, or holds
// the volume text's separator.
std::optional<std::string_view> DiskName(const char (&field)[10]) {
  const std::size_t length = strnlen(field, sizeof field);
  if (length == 0 || length == sizeof field) return std::nullopt;
  const std::string_view name(field, length);
  if (name.find(',') != std::string_view::npos) return std::nullopt;
  return name;
}

// One volume as the table gives it, before it is checked against the record's fields.
struct PlannedVolume {
  std::int32_t autoSync;
  VolumeLevel level;
  std::int64_t sizeGiB;
  std::string disks;
  std::int32_t spare;
  std::int32_t equal;
};

template <std::size_t N>
void CopyText(std::string_view text, char (&field)[N]) {
  std::memcpy(field, text.data(), text.size());
  field[text.size()] = '\0';
}

}  // namespace

std::string_view LevelText(VolumeLevel level) { return kLevelTexts[static_cast<std::size_t>(level)]; }

VolumeLevel LevelNamed(std::string_view text) {
  for (std::size_t index = 1; index < kLevelTexts.size(); ++index)
    if (kLevelTexts[index] == text) return static_cast<VolumeLevel>(index);
  return VolumeLevel::kNone;
}

bool LevelOffered(VolumeLevel level, int diskCount) {
  if (level == VolumeLevel::kNone) return false;
  if (diskCount == 1) return level == VolumeLevel::kStandard;
  return diskCount == 2;
}

VolumePlan::VolumePlan() : records_(std::make_unique<std::array<VolumeRequest, 2>>()) {}

VolumeRequest& VolumePlan::Append() {
  VolumeRequest& record = (*records_)[static_cast<std::size_t>(count_)];
  record = VolumeRequest{};
  record.volumeNumber = count_ + 1;
  if (count_ == 1) (*records_)[0].next = &record;
  ++count_;
  return record;
}

PlanResult BuildVolumePlan(const DiskInfoResult& disks, VolumeLevel level) {
  if (level == VolumeLevel::kNone) return {std::nullopt, PlanRefusal::kNoLevel};
  if (disks.diskCount != 1 && disks.diskCount != 2) return {std::nullopt, PlanRefusal::kDiskCount};
  if (!LevelOffered(level, disks.diskCount)) return {std::nullopt, PlanRefusal::kLevelNotOffered};
  const bool twoDisks = disks.diskCount == 2;
  const auto first = DiskName(disks.firstName);
  const auto second = twoDisks ? DiskName(disks.secondName) : std::optional<std::string_view>("");
  if (!first || !second) return {std::nullopt, PlanRefusal::kDiskNames};
  const std::int64_t s1 = disks.firstSizeGiB, s2 = twoDisks ? disks.secondSizeGiB : 0;
  if (s1 < 0 || s2 < 0) return {std::nullopt, PlanRefusal::kDiskSizes};
  const std::string both = std::string(*first) + std::string(*second);
  // Both names share one disk field; a cut name would name another disk or none.
  if (twoDisks && level != VolumeLevel::kStandard && both.size() >= sizeof VolumeRequest::disks)
    return {std::nullopt, PlanRefusal::kNamesTooLong};

  const std::int32_t equal = !twoDisks || s1 == s2 ? 1 : 0;
  const std::int64_t smaller = std::min(s1, s2), leftover = std::abs(s1 - s2) - 2 * kReservePerDisk;
  std::vector<PlannedVolume> volumes;
  switch (level) {
    case VolumeLevel::kStandard:
      if (!twoDisks) {
        volumes.push_back({0, level, s1 - kReservePerDisk, std::string(*first), 0, 1});
      } else {
        volumes.push_back({0, level, s1, std::string(*first), 0, equal});
        volumes.push_back({0, level, s2, std::string(*second), 0, equal});
      }
      break;
    case VolumeLevel::kLinear:
      volumes.push_back({0, level, s1 + s2 - 2 * kReservePerDisk, both, 0, equal});
      break;
    case VolumeLevel::kRaid0:
      volumes.push_back({0, level, 2 * smaller - 2 * kReservePerDisk, both, 0, equal});
      if (!equal) volumes.push_back({0, VolumeLevel::kLinear, leftover, both, 1, 0});
      break;
    case VolumeLevel::kRaid1:
      volumes.push_back({1, level, smaller - kReservePerDisk, both, 0, equal});
      if (!equal) volumes.push_back({1, VolumeLevel::kLinear, leftover, both, 1, 0});
      break;
    case VolumeLevel::kNone:
      break;
  }
  // Disks that differ by a few GiB leave nothing worth a volume beside the RAID.
  if (volumes.size() == 2 && volumes[1].spare && volumes[1].sizeGiB < 1) volumes.pop_back();

  PlanResult result{VolumePlan{}, PlanRefusal::kNone};
  for (const PlannedVolume& volume : volumes) {
    if (volume.sizeGiB < 1) return {std::nullopt, PlanRefusal::kDisksTooSmall};
    if (volume.sizeGiB > std::numeric_limits<std::int32_t>::max()) return {std::nullopt, PlanRefusal::kDiskSizes};
    VolumeRequest& record = result.plan->Append();
    record.autoSync = volume.autoSync;
    CopyText(LevelText(volume.level), record.level);
    CopyText(kFileSystem, record.fileSystem);
    record.sizeGiB = static_cast<std::int32_t>(volume.sizeGiB);
    CopyText(volume.disks, record.disks);
    record.spare = volume.spare;
    record.equal = volume.equal;
  }
  return result;
}

const wchar_t* PlanRefusalText(PlanRefusal refusal) {
  switch (refusal) {
    case PlanRefusal::kNone: return nullptr;
    case PlanRefusal::kNoLevel: return L"Check disk mode error.";
    case PlanRefusal::kDiskCount: return L"No hard disk is detected.";
    case PlanRefusal::kLevelNotOffered: return L"This volume type needs two hard disks.";
    case PlanRefusal::kDiskNames: return L"The device reported a disk name that cannot be sent back to it.";
    case PlanRefusal::kNamesTooLong:
      return L"The names of the two disks are together longer than the 9 characters the device accepts.";
    case PlanRefusal::kDiskSizes: return L"The device reported disk sizes that cannot be used.";
    case PlanRefusal::kDisksTooSmall: return L"The disks are too small for this volume type.";
  }
  return nullptr;
}
