// The command table: every command the program sends has its row at its own index, runs as the
// kind its results need, and its answer is read only for the kinds it runs as.
#include "net/device_commands.h"

#include <gtest/gtest.h>

#include "net/testing/toy_code_page.h"

namespace {

constexpr int kSentCommands[] = {
    kChangePassword, kGetWizardInfo,     kSetDeviceInfo, kSetTimeZone,        kSetNetwork,   kGetLanInfo,
    kLockSetIp,      kGetShareInfo,      kGetDiskInfo,   kStopWebFileManager, kCreateVolume, kReadFormatState,
    kRemountDisk,    kCheckRemountState, kFinishFormat,  kGetVolumeStatus,    kGetUserAccess};

TEST(DeviceCommands, EachSentCommandHasItsRowAndAPathUnderTheDevicesRoot) {
  for (const int index : kSentCommands) {
    const DeviceCommand* command = FindDeviceCommand(index);
    ASSERT_NE(command, nullptr) << index;
    EXPECT_EQ(command->index, index);
    EXPECT_NE(command->kind, kOpNone) << index;
    EXPECT_EQ(command->path[0], '/') << index;
  }
  EXPECT_EQ(FindDeviceCommand(17)->kind, kOpNone);  // numbered by the device, never sent
  EXPECT_EQ(FindDeviceCommand(19), nullptr);
}

TEST(DeviceCommands, AnAnswerIsReadOnlyForAKindItsCommandRunsAs) {
  const ToyCodePage codePage;
  LoginCredentialsRecord login{};
  WizardInfoRecord wizard{};
  NasDeviceList devices;
  ShareListRecord shares;
  std::u16string access;
  const std::string mac = "00:00:00:00:00:01";
  const AnswerTargets targets{codePage, login, "", wizard, devices, mac, "192.0.2.21", shares, nullptr, access};
  const std::string answer = "HTTP/1.1 200 OK\r\n\r\n<share><item>music</item></share>";

  ParseAnswer(kOpShareList, kGetShareInfo, answer, targets);
  ParseAnswer(kOpCgiCommand, kGetShareInfo, answer, targets);
  EXPECT_EQ(shares.size(), 2u);
  ParseAnswer(kOpShareList, kGetUserAccess, answer, targets);
  ParseAnswer(kOpNone, kGetShareInfo, answer, targets);
  ParseAnswer(kOpDiskStep, kGetShareInfo, answer, targets);
  EXPECT_EQ(shares.size(), 2u);
}

}  // namespace
