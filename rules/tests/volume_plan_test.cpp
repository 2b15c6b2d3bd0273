// The volume plans of every disk layout and volume type, as the device receives them.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>

#include "net/device_commands.h"
#include "rules/volume_plan.h"

namespace {
DiskInfoResult Disks(int count, const char* first, int firstSize, const char* second = "", int secondSize = 0) {
  DiskInfoResult disks{};
  disks.diskCount = count;
  std::strncpy(disks.firstName, first, sizeof disks.firstName);
  disks.firstSizeGiB = firstSize;
  std::strncpy(disks.secondName, second, sizeof disks.secondName);
  disks.secondSizeGiB = secondSize;
  return disks;
}

// The volume text the plan sends.
std::string Text(const PlanResult& result) {
  if (!result.plan) return "refused";
  return VolumeText(*result.plan->First()).value_or("unsendable");
}

TEST(VolumePlan, OneDiskGivesOneStandardVolumeThreeGiBSmaller) {
  const PlanResult result = BuildVolumePlan(Disks(1, "N1", 500), VolumeLevel::kStandard);
  ASSERT_TRUE(result.plan);
  EXPECT_EQ(result.plan->Count(), 1);
  EXPECT_EQ(result.plan->First()->autoSync, 0);
  EXPECT_EQ(Text(result), "1,standard,ext4,497,N1,none,0,1,497,0,none,1,0,0,null");
  // Only separate volumes can be made of one disk.
  for (VolumeLevel level : {VolumeLevel::kLinear, VolumeLevel::kRaid0, VolumeLevel::kRaid1})
    EXPECT_EQ(BuildVolumePlan(Disks(1, "sda", 500), level).refusal, PlanRefusal::kLevelNotOffered);
}

TEST(VolumePlan, TwoDisksEveryTypeEqualAndUnequal) {
  const DiskInfoResult unequal = Disks(2, "sda", 500, "sdb", 1000);
  const DiskInfoResult equal = Disks(2, "sda", 931, "sdb", 931);
  EXPECT_EQ(Text(BuildVolumePlan(unequal, VolumeLevel::kStandard)),
            "1,standard,ext4,500,sda,none,0,1,500,0,none,0,0,0,null,"
            "2,standard,ext4,1000,sdb,none,0,1,1000,0,none,0,0,0,null");
  EXPECT_EQ(Text(BuildVolumePlan(equal, VolumeLevel::kStandard)),
            "1,standard,ext4,931,sda,none,0,1,931,0,none,1,0,0,null,"
            "2,standard,ext4,931,sdb,none,0,1,931,0,none,1,0,0,null");
  EXPECT_EQ(Text(BuildVolumePlan(equal, VolumeLevel::kLinear)),
            "1,linear,ext4,1856,sdasdb,none,0,1,1856,0,none,1,0,0,null");
  EXPECT_EQ(Text(BuildVolumePlan(unequal, VolumeLevel::kLinear)),
            "1,linear,ext4,1494,sdasdb,none,0,1,1494,0,none,0,0,0,null");
  // RAID 0 of unequal disks: the stripe over the smaller size, the rest a spare linear volume.
  EXPECT_EQ(Text(BuildVolumePlan(unequal, VolumeLevel::kRaid0)),
            "1,raid0,ext4,994,sdasdb,none,0,1,994,0,none,0,0,0,null,"
            "2,linear,ext4,494,sdasdb,none,1,1,494,0,none,0,0,0,null");
  EXPECT_EQ(Text(BuildVolumePlan(equal, VolumeLevel::kRaid0)),
            "1,raid0,ext4,1856,sdasdb,none,0,1,1856,0,none,1,0,0,null");
  const PlanResult mirror = BuildVolumePlan(equal, VolumeLevel::kRaid1);
  EXPECT_EQ(Text(mirror), "1,raid1,ext4,928,sdasdb,none,0,1,928,0,none,1,0,0,null");
  EXPECT_EQ(mirror.plan->First()->autoSync, 1);
  EXPECT_EQ(*CreateVolumeBody(mirror.plan->First()),
            "cmd=cgi_FMT_Create_DiskMGR&f_create_volume_info=1,raid1,ext4,928,sdasdb,none,0,1,928,0,none,1,0,0,"
            "null&f_create_type=1&f_auto_sync=1");
  const PlanResult unequalMirror = BuildVolumePlan(unequal, VolumeLevel::kRaid1);
  EXPECT_EQ(Text(unequalMirror),
            "1,raid1,ext4,497,sdasdb,none,0,1,497,0,none,0,0,0,null,"
            "2,linear,ext4,494,sdasdb,none,1,1,494,0,none,0,0,0,null");
  EXPECT_EQ((*unequalMirror.plan)[1].autoSync, 1);
}

TEST(VolumePlan, APlanMovedElsewhereStillLinksItsOwnSecondRecord) {
  PlanResult result = BuildVolumePlan(Disks(2, "sda", 500, "sdb", 1000), VolumeLevel::kRaid0);
  VolumePlan moved = std::move(*result.plan);
  result.plan.reset();
  ASSERT_NE(moved.First()->next, nullptr);
  EXPECT_EQ(moved.First()->next, &moved[1]);
  EXPECT_EQ(moved.First()->next->sizeGiB, 494);
}

TEST(VolumePlan, DisksThatDifferByAFewGiBMakeNoSpareVolume) {
  const PlanResult result = BuildVolumePlan(Disks(2, "sda", 931, "sdb", 935), VolumeLevel::kRaid1);
  EXPECT_EQ(Text(result), "1,raid1,ext4,928,sdasdb,none,0,1,928,0,none,0,0,0,null");
}

TEST(VolumePlan, RefusedRatherThanSentWrong) {
  const DiskInfoResult fine = Disks(2, "sda", 500, "sdb", 1000);
  EXPECT_EQ(BuildVolumePlan(fine, VolumeLevel::kNone).refusal, PlanRefusal::kNoLevel);
  for (int count : {0, 3, -1}) {
    DiskInfoResult odd = fine;
    odd.diskCount = count;
    EXPECT_EQ(BuildVolumePlan(odd, VolumeLevel::kStandard).refusal, PlanRefusal::kDiskCount) << count;
  }
  // Two names of 9 bytes together do not fit the 10-byte field; never cut.
  const DiskInfoResult longNames = Disks(2, "disk12345", 500, "disk67890", 500);
  EXPECT_EQ(BuildVolumePlan(longNames, VolumeLevel::kRaid0).refusal, PlanRefusal::kNamesTooLong);
  EXPECT_EQ(BuildVolumePlan(Disks(2, "sdaaa", 500, "sdbbb", 500), VolumeLevel::kRaid0).refusal,
            PlanRefusal::kNamesTooLong);
  EXPECT_NE(Text(BuildVolumePlan(Disks(2, "sda1", 500, "sdb12", 500), VolumeLevel::kLinear)).find(",994,sda1sdb12,"),
            std::string::npos);
  // Separate volumes name one disk each: long names are fine there.
  EXPECT_TRUE(BuildVolumePlan(longNames, VolumeLevel::kStandard).plan);

  EXPECT_EQ(BuildVolumePlan(Disks(2, "sda", 500, "", 500), VolumeLevel::kRaid0).refusal, PlanRefusal::kDiskNames);
  EXPECT_EQ(BuildVolumePlan(Disks(1, "a,b", 500), VolumeLevel::kStandard).refusal, PlanRefusal::kDiskNames);
  DiskInfoResult unterminated = fine;
  std::memset(unterminated.firstName, 'x', sizeof unterminated.firstName);
  EXPECT_EQ(BuildVolumePlan(unterminated, VolumeLevel::kStandard).refusal, PlanRefusal::kDiskNames);

  EXPECT_EQ(BuildVolumePlan(Disks(1, "sda", 3), VolumeLevel::kStandard).refusal, PlanRefusal::kDisksTooSmall);
  EXPECT_EQ(BuildVolumePlan(Disks(2, "sda", 0, "sdb", 0), VolumeLevel::kStandard).refusal,
            PlanRefusal::kDisksTooSmall);
  EXPECT_EQ(BuildVolumePlan(Disks(2, "sda", -5, "sdb", 500), VolumeLevel::kLinear).refusal, PlanRefusal::kDiskSizes);
  const int huge = std::numeric_limits<std::int32_t>::max();
  EXPECT_EQ(BuildVolumePlan(Disks(2, "sda", huge, "sdb", huge), VolumeLevel::kLinear).refusal,
            PlanRefusal::kDiskSizes);
  for (PlanRefusal refusal : {PlanRefusal::kNoLevel, PlanRefusal::kDiskCount, PlanRefusal::kNamesTooLong})
    EXPECT_NE(PlanRefusalText(refusal), nullptr);
}

TEST(VolumeLevels, TextsAndWhatEachDiskCountOffers) {
  for (VolumeLevel level : {VolumeLevel::kStandard, VolumeLevel::kLinear, VolumeLevel::kRaid0, VolumeLevel::kRaid1})
    EXPECT_EQ(LevelNamed(LevelText(level)), level);
  EXPECT_EQ(LevelNamed("raid5"), VolumeLevel::kNone);
  EXPECT_EQ(LevelNamed(""), VolumeLevel::kNone);
  EXPECT_TRUE(LevelOffered(VolumeLevel::kStandard, 1));
  EXPECT_FALSE(LevelOffered(VolumeLevel::kRaid1, 1));
  EXPECT_TRUE(LevelOffered(VolumeLevel::kRaid1, 2));
  EXPECT_FALSE(LevelOffered(VolumeLevel::kStandard, 0));
  EXPECT_FALSE(LevelOffered(VolumeLevel::kStandard, 3));
}
}  // namespace
