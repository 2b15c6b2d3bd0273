// How the device's one or two disks become volumes: the four volume types the volume page offers,
// which of them a disk count allows, and the plan of one or two volume records that CreateVolume
// sends. Shared by the volume page and drovikctl, so both send the same plan for the same choice.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "net/answer_records.h"
#include "net/device_commands.h"

// In the page's order; the number is the level's number on the page (0: none chosen).
enum class VolumeLevel { kNone = 0, kStandard = 1, kLinear = 2, kRaid0 = 3, kRaid1 = 4 };

// "standard", "linear", "raid0", "raid1"; empty for kNone.
std::string_view LevelText(VolumeLevel level);
// The level a text names (the texts above); kNone for any other text.
VolumeLevel LevelNamed(std::string_view text);

// One disk gives separate volumes only; two disks every type; any other count none.
bool LevelOffered(VolumeLevel level, int diskCount);

// The records of one plan, linked first to second. Owns them; moving keeps the link valid.
class VolumePlan {
 public:
  VolumePlan();
  const VolumeRequest* First() const { return &(*records_)[0]; }
  int Count() const { return count_; }
  const VolumeRequest& operator[](int index) const { return (*records_)[static_cast<std::size_t>(index)]; }

  // Appends a zero-filled record numbered after the ones before it; at most two.
  VolumeRequest& Append();

 private:
  std::unique_ptr<std::array<VolumeRequest, 2>> records_;
  int count_ = 0;
};

// Why a plan was not built. Each has a message for the user (PlanRefusalText).
enum class PlanRefusal {
  kNone,
  kNoLevel,         // no volume type chosen
  kDiskCount,       // the device reported neither one nor two disks
  kLevelNotOffered, // the type needs two disks
  kDiskNames,       // a name is empty or holds a comma, which the volume text cannot carry
  kNamesTooLong,    // both names joined do not fit the disk field
  kDiskSizes,       // a size below 0, or volumes beyond what a size field holds
  kDisksTooSmall,   // the disks leave no room for the volume
};

struct PlanResult {
  std::optional<VolumePlan> plan;
  PlanRefusal refusal = PlanRefusal::kNone;
};

// The plan for `level` on the disks of `disks`; a leftover volume of unequal disks that would be
// smaller than 1 GiB is left out rather than sent with a size the device cannot make.
PlanResult BuildVolumePlan(const DiskInfoResult& disks, VolumeLevel level);

// The English message for a refusal (to be translated); null for kNone.
const wchar_t* PlanRefusalText(PlanRefusal refusal);
