// Disks, volumes and the format run, read by the program's parsers, on a clock the test moves.
#include "sim/commands_disk.h"

#include <cstdio>

#include "base/messages.h"
#include "net/device_commands.h"
#include "sim/tests/sim_test_nas.h"
#include "sim/volume_plan.h"

namespace {

using std::chrono::milliseconds;

VolumeRequest Volume(int number, const char* level, int size, const char* disks, int spare,
                     int equal, VolumeRequest* next = nullptr) {
  VolumeRequest v{};
  v.autoSync = 0;
  v.volumeNumber = number;
  std::snprintf(v.level, sizeof v.level, "%s", level);
  std::snprintf(v.fileSystem, sizeof v.fileSystem, "ext4");
  v.sizeGiB = size;
  std::snprintf(v.disks, sizeof v.disks, "%s", disks);
  v.spare = spare;
  v.equal = equal;
  v.next = next;
  return v;
}

DeviceState TwoDisks() {
  DeviceState d = TestDevice("192.0.2.21", 1);
  d.disks = {{"sda", 500}, {"sdb", 1000}};
  return d;
}

// The format state as the progress dialog gets it: state and percent.
std::pair<std::uintptr_t, std::intptr_t> FormatState(TestNas& nas) {
  ProgramRecords program;
  const AnswerReport report = program.Read(12, nas.Exchange(12, ReadFormatStateBody()));
  EXPECT_EQ(report.message, WM_FORMAT_STATE);
  return {report.wParam, report.lParam};
}

// The result a disk step reports (wParam of its message).
std::uintptr_t StepResult(TestNas& nas, int cmdIndex, const std::string& body) {
  ProgramRecords program;
  const AnswerReport report = program.Read(cmdIndex, nas.Exchange(cmdIndex, body));
  EXPECT_EQ(report.delivery, AnswerReport::Delivery::kPost) << cmdIndex;
  return report.wParam;
}

// Each volume as number:total:used in GiB, as the program shows them.
std::vector<std::string> VolumesRead(TestNas& nas) {
  ProgramRecords program;
  const AnswerReport report = program.Read(16, nas.Exchange(16, GetVolumeStatusBody()));
  EXPECT_EQ(report.delivery, AnswerReport::Delivery::kMailbox);
  std::vector<std::string> volumes;
  for (const VolumeInfoList* v = &program.firstVolume; v; v = v->next)
    volumes.push_back(std::to_string(v->volume) + ":" + std::to_string(v->totalSize >> 20) + ":" +
                      std::to_string(v->usedSize >> 20));
  return volumes;
}

}  // namespace

TEST(DiskCommands, TheDisksAsConfigured) {
  for (const std::vector<DeviceDisk>& disks :
       {std::vector<DeviceDisk>{}, {{"sda", 931}}, {{"sda", 500}, {"sdb", 1000}},
        {{"sda", 1}, {"sdb", 2}, {"sdc", 3}}}) {
    DeviceState d = TestDevice("192.0.2.21", 1);
    d.disks = disks;
    TestNas nas(d);
    ProgramRecords program;
    const AnswerReport report = program.Read(9, nas.Exchange(9, GetDiskInfoBody()));
    ASSERT_TRUE(report.diskInfo);
    const DiskInfoResult& read = *report.diskInfo;
    EXPECT_EQ(read.diskCount, static_cast<int>(disks.size()));
    EXPECT_EQ(read.firstName, disks.size() > 0 ? disks[0].name : "");
    EXPECT_EQ(read.firstSizeGiB, disks.size() > 0 ? disks[0].sizeGiB : 0);
    EXPECT_EQ(read.secondName, disks.size() > 1 ? disks[1].name : "");
    EXPECT_EQ(read.secondSizeGiB, disks.size() > 1 ? disks[1].sizeGiB : 0);
  }
}

TEST(DiskCommands, AFormatRunFromStopToFinish) {
  DeviceState d = TwoDisks();
  d.volumes = {{1, 1490, 700, "linear"}};
  TestNas nas(d);
  EXPECT_EQ(VolumesRead(nas), (std::vector<std::string>{"1:1490:700"}));

  ProgramRecords program;
  const AnswerReport stop = program.Read(10, nas.Exchange(10, StopWebFileManagerBody()));
  EXPECT_EQ(stop.wParam, 1u);
  EXPECT_EQ(stop.delayMs, 5000u);

  // RAID 0 of unequal disks: the striped volume and the linear rest (30 values).
  VolumeRequest rest = Volume(2, "linear", 494, "sdasdb", 1, 0);
  const VolumeRequest striped = Volume(1, "raid0", 994, "sdasdb", 0, 0, &rest);
  EXPECT_EQ(StepResult(nas, 11, CreateVolumeBody(&striped).value()), 1u);
  EXPECT_EQ(VolumesRead(nas), (std::vector<std::string>{"1:994:0", "2:494:0"}));
  EXPECT_EQ(nas.device.volumes[0].level, "raid0");

  EXPECT_EQ(FormatState(nas), std::make_pair(std::uintptr_t{1}, std::intptr_t{0}));
  nas.Advance(milliseconds(1000));
  EXPECT_EQ(FormatState(nas), std::make_pair(std::uintptr_t{1}, std::intptr_t{25}));
  // While it runs, neither a new plan nor the remount is taken.
  EXPECT_EQ(StepResult(nas, 11, CreateVolumeBody(&striped).value()), 0u);
  EXPECT_EQ(StepResult(nas, 13, RemountDiskBody()), 0u);
  nas.Advance(milliseconds(2990));
  EXPECT_EQ(FormatState(nas), std::make_pair(std::uintptr_t{1}, std::intptr_t{99}));
  nas.Advance(milliseconds(10));
  EXPECT_EQ(FormatState(nas), std::make_pair(std::uintptr_t{2}, std::intptr_t{100}));

  EXPECT_EQ(StepResult(nas, 14, CheckRemountStateBody()), 0u);  // not remounted yet
  EXPECT_EQ(StepResult(nas, 13, RemountDiskBody()), 1u);
  EXPECT_EQ(StepResult(nas, 14, CheckRemountStateBody()), 1u);
  EXPECT_EQ(StepResult(nas, 15, FinishFormatBody()), 1u);

  // One disk, one standard volume (15 values), in a run of its own length.
  DeviceState single = TestDevice("192.0.2.21", 1);
  single.disks = {{"sda", 500}};
  single.format.seconds = 0;
  TestNas quick(single);
  const VolumeRequest whole = Volume(1, "standard", 497, "sda", 0, 1);
  EXPECT_EQ(StepResult(quick, 11, CreateVolumeBody(&whole).value()), 1u);
  EXPECT_EQ(VolumesRead(quick), (std::vector<std::string>{"1:497:0"}));
  EXPECT_EQ(FormatState(quick), std::make_pair(std::uintptr_t{2}, std::intptr_t{100}));
}

TEST(DiskCommands, AFormatThatFailsPartWayReportsTheErrorThere) {
  DeviceState d = TwoDisks();
  d.format.failAtPercent = 60;
  TestNas nas(d);
  const VolumeRequest mirror = Volume(1, "raid1", 497, "sdasdb", 0, 0);
  EXPECT_EQ(StepResult(nas, 11, CreateVolumeBody(&mirror).value()), 1u);
  nas.Advance(milliseconds(2000));
  EXPECT_EQ(FormatState(nas), std::make_pair(std::uintptr_t{1}, std::intptr_t{50}));
  nas.Advance(milliseconds(400));
  EXPECT_EQ(FormatState(nas), std::make_pair(std::uintptr_t{0}, std::intptr_t{60}));
  nas.Advance(milliseconds(5000));
  EXPECT_EQ(FormatState(nas), std::make_pair(std::uintptr_t{0}, std::intptr_t{60}));
  // The remount steps still run after a failure, as the program runs them.
  EXPECT_EQ(StepResult(nas, 13, RemountDiskBody()), 1u);
}

TEST(DiskCommands, PlansTheDeviceCannotBuildAreRefusedAndChangeNothing) {
  const std::string good = "1,standard,ext4,497,sda,none,0,1,497,0,none,1,0,0,null";
  const std::vector<DeviceDisk> disks{{"sda", 500}, {"sdb", 1000}};
  EXPECT_EQ(ReadVolumePlan(good, disks).error, "");
  EXPECT_EQ(ReadVolumePlan("1,linear,ext4,1494,sdbsda,none,0,1,1494,0,none,0,0,0,null", disks)
                .volumes[0]
                .disks,
            (std::vector<std::string>{"sdb", "sda"}));
  for (const std::string& bad :
       {std::string(""), good.substr(0, good.rfind(',')), good + ",x", good + "," + good,
        std::string("3,standard,ext4,497,sda,none,0,1,497,0,none,1,0,0,null"),
        std::string("1,raid5,ext4,497,sda,none,0,1,497,0,none,1,0,0,null"),
        std::string("1,standard,,497,sda,none,0,1,497,0,none,1,0,0,null"),
        std::string("1,standard,ext4,-3,sda,none,0,1,-3,0,none,1,0,0,null"),
        std::string("1,standard,ext4,501,sda,none,0,1,501,0,none,1,0,0,null"),
        std::string("1,standard,ext4,497,sda,none,0,1,496,0,none,1,0,0,null"),
        std::string("1,standard,ext4,497,sdc,none,0,1,497,0,none,1,0,0,null"),
        std::string("1,standard,ext4,497,sdasdb,none,0,1,497,0,none,1,0,0,null"),
        std::string("1,raid1,ext4,497,sda,none,0,1,497,0,none,1,0,0,null"),
        std::string("1,raid1,ext4,497,sdasda,none,0,1,497,0,none,1,0,0,null"),
        std::string("1,standard,ext4,497,sda,none,2,1,497,0,none,1,0,0,null"),
        std::string("1,standard,ext4,497,sda,nil,0,1,497,0,none,1,0,0,null")}) {
    EXPECT_NE(ReadVolumePlan(bad, disks).error, "") << bad;
  }

  TestNas nas(TwoDisks());
  nas.device.volumes = {{1, 1490, 700, "linear"}};
  VolumeRequest second = Volume(1, "standard", 997, "sdb", 0, 0);
  const VolumeRequest twice = Volume(1, "standard", 497, "sda", 0, 0, &second);
  EXPECT_EQ(StepResult(nas, 11, CreateVolumeBody(&twice).value()), 0u);
  EXPECT_EQ(StepResult(nas, 11, "cmd=cgi_FMT_Create_DiskMGR"), 0u);
  EXPECT_EQ(VolumesRead(nas), (std::vector<std::string>{"1:1490:700"}));
  EXPECT_EQ(FormatState(nas), std::make_pair(std::uintptr_t{2}, std::intptr_t{100}));
}
