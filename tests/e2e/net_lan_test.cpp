// Network operations of the program's own layer, run inside the test LAN's computer
// (tests/e2e/net_lan.sh sets up the devices and says how many answer).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <utility>
#include <set>
#include <string>

#include "net/mailbox.h"
#include "net/win/query.h"
#include "net/win/result_window.h"
#include "net/win/udp_sockets.h"

#include <psapi.h>

namespace {

int ExpectedDevices() {
  const char* value = std::getenv("DROVIK_EXPECT_DEVICES");
  return value ? std::atoi(value) : 0;
}

CQuery* TakeResult(ResultWindow& window) {
  MSG msg;
  if (!window.WaitFor(WM_QUERY_RESULT, 60000, msg)) return nullptr;
  void* pointer = nullptr;
  std::uint32_t reserved = 0;
  if (!CMsg::Instance().Take(CMsg::IdFromParam(msg.lParam), pointer, reserved)) return nullptr;
  return static_cast<CQuery*>(pointer);
}

std::set<std::string> ListedMacs() {
  std::set<std::string> macs;
  NasDeviceInfo device;
  for (int i = 0; NasDeviceList::Instance().CopyAt(i, device); ++i) macs.insert(device.macText);
  return macs;
}

}  // namespace

TEST(SearchOnTheLan, OverlappingSearchesWaitForEachOtherAndBothFinishWhole) {
  ResultWindow window;
  const int first = LaunchQuery(window.Handle(), [](CQuery& q) { return q.SearchDevices(); });
  const int second = LaunchQuery(window.Handle(), [](CQuery& q) { return q.SearchDevices(); });
  ASSERT_NE(first, 0);
  ASSERT_NE(second, 0);
  ASSERT_NE(first, second);

  std::set<int> tokens;
  for (int i = 0; i < 2; ++i) {
    CQuery* done = TakeResult(window);
    ASSERT_NE(done, nullptr);
    EXPECT_EQ(done->OpKind, kOpDiscovery);
    tokens.insert(done->RequestToken);
    delete done;
    if (i == 0) {
      EXPECT_EQ(static_cast<int>(ListedMacs().size()), ExpectedDevices());
    }
  }
  EXPECT_EQ(tokens, (std::set<int>{first, second}));
  EXPECT_EQ(NasDeviceList::Instance().Count(), ExpectedDevices());
  EXPECT_EQ(static_cast<int>(ListedMacs().size()), ExpectedDevices());
}

// Prints how long one search took and what the process holds afterwards, for the measurements
// of tests/e2e/search_test.sh; only the device count is checked.
TEST(SearchOnTheLan, OneSearchMeasured) {
  ResultWindow window;
  const ULONGLONG started = GetTickCount64();
  const int token = LaunchQuery(window.Handle(), [](CQuery& q) { return q.SearchDevices(); });
  ASSERT_NE(token, 0);
  CQuery* done = TakeResult(window);
  const ULONGLONG took = GetTickCount64() - started;
  ASSERT_NE(done, nullptr);
  delete done;
  const int devices = NasDeviceList::Instance().Count();
  EXPECT_EQ(devices, ExpectedDevices());
  PROCESS_MEMORY_COUNTERS memory{};
  GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
  std::printf("measured: %d adapters, %d devices, search %llu ms, device list %zu KiB, "
              "peak working set %zu KiB\n",
              Adapters().count, devices, took, devices * sizeof(NasDeviceInfo) / 1024,
              static_cast<std::size_t>(memory.PeakWorkingSetSize / 1024));
}

TEST(SearchOnTheLan, ASecondSearchStartsFromAnEmptyList) {
  ResultWindow window;
  for (int round = 0; round < 2; ++round) {
    const int token = LaunchQuery(window.Handle(), [](CQuery& q) { return q.SearchDevices(); });
    CQuery* done = TakeResult(window);
    ASSERT_NE(done, nullptr);
    EXPECT_EQ(done->RequestToken, token);
    delete done;
    EXPECT_EQ(NasDeviceList::Instance().Count(), ExpectedDevices());
  }
}

namespace {

// Finds a device by name in the list of the last search.
std::optional<ChosenDevice> DeviceNamed(const char* name) {
  for (int i = 0; const auto device = ChooseDeviceAt(NasDeviceList::Instance(), i); ++i)
    if (device->name == name) return device;
  return std::nullopt;
}

// The next message of `kind` posted to the window, within `timeoutMs`.
bool Next(ResultWindow& window, UINT kind, MSG& msg, DWORD timeoutMs = 15000) {
  return window.WaitFor(kind, timeoutMs, msg);
}

}  // namespace

// The disk steps a format goes through, each started when the one before it reported.
TEST(FormatOnTheLan, AFormatJobIsFollowedToTheEnd) {
  const char* deviceName = std::getenv("DROVIK_FORMAT_DEVICE");
  if (!deviceName) GTEST_SKIP() << "no device to format named";
  ResultWindow window;
  const int search = LaunchQuery(window.Handle(), [](CQuery& q) { return q.SearchDevices(); });
  ASSERT_NE(search, 0);
  delete TakeResult(window);  // the list now holds the devices
  const auto found = DeviceNamed(deviceName);
  ASSERT_TRUE(found);
  const ChosenDevice& device = *found;
  ASSERT_NE(LaunchQuery(window.Handle(), [&](CQuery& q) { return q.CheckLogin(L"admin", L"admin", device); }), 0);
  CQuery* login = TakeResult(window);
  ASSERT_NE(login, nullptr) << "the login was not accepted";
  delete login;

  MSG msg;
  ASSERT_NE(
      LaunchQuery(window.Handle(),
                  [&](CQuery& q) { return q.SendCommand(device, kStopWebFileManager, StopWebFileManagerBody()); }),
      0);
  ASSERT_TRUE(Next(window, WM_DISK_STEP_DONE, msg));
  EXPECT_EQ(msg.wParam, 1u);
  EXPECT_EQ(msg.lParam, 10);

  VolumeRequest plan{};
  plan.volumeNumber = 1;
  std::strcpy(plan.level, "standard");
  std::strcpy(plan.fileSystem, "ext4");
  plan.sizeGiB = 500;
  std::strcpy(plan.disks, "sda");
  plan.equal = 1;
  ASSERT_NE(LaunchQuery(window.Handle(),
                        [&](CQuery& q) { return q.SendCommand(device, kCreateVolume, CreateVolumeBody(&plan)); }),
            0);
  ASSERT_TRUE(Next(window, WM_VOLUME_CREATED, msg));
  EXPECT_EQ(msg.lParam, 11);

  int lastPercent = -1;
  WPARAM state = 1;
  for (int tick = 0; tick < 60 && state == 1; ++tick) {
    Sleep(1000);
    ASSERT_NE(LaunchQuery(window.Handle(),
                          [&](CQuery& q) { return q.SendCommand(device, kReadFormatState, ReadFormatStateBody()); }),
              0);
    ASSERT_TRUE(Next(window, WM_FORMAT_STATE, msg));
    state = msg.wParam;
    EXPECT_GE(static_cast<int>(msg.lParam), lastPercent);
    lastPercent = static_cast<int>(msg.lParam);
  }
  ASSERT_EQ(state, 2u) << "the format did not finish";

  for (auto [step, index] : {std::pair<std::string (*)(), int>{&RemountDiskBody, 13},
                             {&CheckRemountStateBody, 14},
                             {&FinishFormatBody, 15}}) {
    ASSERT_NE(LaunchQuery(window.Handle(), [&](CQuery& q) { return q.SendCommand(device, index, step()); }), 0);
    ASSERT_TRUE(Next(window, WM_DISK_STEP_DONE, msg)) << index;
    EXPECT_EQ(msg.lParam, index);
    EXPECT_EQ(msg.wParam, 1u) << index;
  }
}
