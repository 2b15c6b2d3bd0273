// Network operations of the program's own layer, run inside the test LAN's computer
// (tests/e2e/net_lan.sh sets up the devices and says how many answer).
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>

#include "net/mailbox.h"
#include "net/query.h"
#include "net/result_window.h"

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
