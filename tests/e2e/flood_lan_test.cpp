// The program's UDP operations while another host of the test LAN floods the group
// (tests/e2e/flood_test.sh starts the devices and the flooder, and picks the case to run).
// Each case prints how long the operation took, for the record.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <optional>
#include <string>

#include "net/mailbox.h"
#include "net/win/query.h"
#include "net/win/result_window.h"
#include "net/win/user_message.h"

namespace {

CQuery* TakeResult(ResultWindow& window, DWORD timeoutMs) {
  MSG msg;
  if (!window.WaitFor(WM_QUERY_RESULT, timeoutMs, msg)) return nullptr;
  void* pointer = nullptr;
  std::uint32_t reserved = 0;
  if (!CMsg::Instance().Take(CMsg::IdFromParam(msg.lParam), pointer, reserved)) return nullptr;
  return static_cast<CQuery*>(pointer);
}

// Searches and returns the device of that name; nothing when not listed.
std::optional<ChosenDevice> SearchFor(ResultWindow& window, const char* name) {
  if (LaunchQuery(window.Handle(), [](CQuery& q) { return q.SearchDevices(); }) == 0) return std::nullopt;
  delete TakeResult(window, 60000);
  for (int i = 0; const auto device = ChooseDeviceAt(NasDeviceList::Instance(), i); ++i)
    if (device->name == name) return device;
  return std::nullopt;
}

void Report(const char* what, ULONGLONG ms) {
  std::printf("measured: %s %llu ms\n", what, static_cast<unsigned long long>(ms));
}

// A rejected login tells the user and posts nothing: the message marks its end.
std::atomic<ULONGLONG> messageShownAt{0};
std::wstring shownMessage;
void RecordMessage(const std::wstring& text) {
  shownMessage = text;
  messageShownAt = GetTickCount64();
}

}  // namespace

TEST(FloodOnTheLan, SetIpToASilentDeviceEndsWithNoAnswerWhileOthersSearch) {
  ResultWindow window;
  const auto device = SearchFor(window, "QUIET");
  ASSERT_TRUE(device);
  SetIpRequest settings{"LAN1", "192.0.2.77", "255.255.255.0", "192.0.2.1", '0', {}};
  const ULONGLONG start = GetTickCount64();
  ASSERT_NE(LaunchQuery(window.Handle(), [&](CQuery& q) { return q.SetDeviceIp(*device, &settings); }), 0);
  MSG msg;
  ASSERT_TRUE(window.WaitFor(WM_SETIP_DONE, 120000, msg)) << "the wait did not end";
  const ULONGLONG took = GetTickCount64() - start;
  Report("set-IP to a silent device during a search flood", took);
  EXPECT_EQ(msg.wParam, 1u);
  EXPECT_LT(took, 40000u);
  EXPECT_GT(took, 30000u) << "the wait ended before its polls' time";
}

TEST(FloodOnTheLan, LoginToASilentDeviceIsRejectedWhileLargeDatagramsArrive) {
  SetUserMessageSink(RecordMessage);
  ResultWindow window;
  const auto device = SearchFor(window, "QUIET");
  ASSERT_TRUE(device);
  const ULONGLONG start = GetTickCount64();
  ASSERT_NE(LaunchQuery(window.Handle(), [&](CQuery& q) { return q.CheckLogin(L"admin", L"admin", *device); }), 0);
  MSG msg;
  EXPECT_FALSE(window.WaitFor(WM_QUERY_RESULT, 10000, msg)) << "a silent device accepted";
  ASSERT_NE(messageShownAt.load(), 0u) << "the login never ended";
  const ULONGLONG took = messageShownAt.load() - start;
  Report("login to a silent device during a flood of large datagrams", took);
  EXPECT_EQ(shownMessage, L"Username or password error.");
  EXPECT_LT(took, 3000u);
  SetUserMessageSink(nullptr);
}

TEST(FloodOnTheLan, SearchAmongSpoofedRepliesEndsInItsWindowWithTheRealDevices) {
  ResultWindow window;
  const ULONGLONG start = GetTickCount64();
  ASSERT_NE(LaunchQuery(window.Handle(), [](CQuery& q) { return q.SearchDevices(); }), 0);
  CQuery* done = TakeResult(window, 60000);
  const ULONGLONG took = GetTickCount64() - start;
  ASSERT_NE(done, nullptr) << "the search did not end";
  delete done;
  Report("search during a flood of spoofed replies", took);
  // How many of the spoofed replies the program reads within the window depends on the machine;
  // the list never holds more than its cap.
  const int listed = NasDeviceList::Instance().Count();
  std::printf("measured: %d devices listed (at most %d kept)\n", listed, NasDeviceList::kMaxDevices);
  // One adapter listens 2.24 s; what the flood costs on top is the merge work it causes.
  EXPECT_LT(took, 4000u);
  EXPECT_LE(listed, NasDeviceList::kMaxDevices);
  EXPECT_GT(listed, 2) << "no spoofed reply was read";
  NasDeviceInfo first, second;
  ASSERT_TRUE(NasDeviceList::Instance().CopyAt(0, first));
  ASSERT_TRUE(NasDeviceList::Instance().CopyAt(1, second));
  EXPECT_EQ(std::string(first.name) + " " + second.name, "NAS-ONE NAS-TWO");
}
