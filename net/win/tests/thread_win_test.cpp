#include <gtest/gtest.h>

#include <atomic>

#include "net/mailbox.h"
#include "net/win/result_window.h"
#include "net/win/thread.h"

namespace {

// Runs until asked to stop, counting its runs.
class CountingThread : public CThread {
public:
  std::atomic<int> runs{0};
  std::atomic<bool> running{false};
  void Idle() override { Sleep(5); }
  void Run() override {
    ++runs;
    running = true;
    CThread::Run();
    running = false;
  }
};

}  // namespace

TEST(WorkerThread, StartRunsOnceAndStopWaitsForTheEnd) {
  CountingThread thread;
  EXPECT_TRUE(thread.StopRequested());  // not running yet
  ASSERT_TRUE(thread.Start());
  while (!thread.running) Sleep(1);
  EXPECT_FALSE(thread.StopRequested());
  thread.Stop();
  EXPECT_FALSE(thread.running);  // Stop returned only after Run did
  EXPECT_EQ(thread.runs, 1);
}

TEST(WorkerThread, StartingAgainStopsTheOldThreadFirst) {
  CountingThread thread;
  ASSERT_TRUE(thread.Start());
  while (!thread.running) Sleep(1);
  ASSERT_TRUE(thread.Start());
  while (thread.runs < 2 || !thread.running) Sleep(1);
  thread.Stop();
  EXPECT_EQ(thread.runs, 2);
}

TEST(WorkerThread, SuspendedThreadIsResumedBeforeItIsStopped) {
  CountingThread thread;
  ASSERT_TRUE(thread.Start());
  while (!thread.running) Sleep(1);
  thread.Suspend();
  thread.Suspend();
  thread.Stop();  // would wait forever if the thread stayed suspended
  EXPECT_FALSE(thread.running);
}

TEST(ResultWindow, DeliversAPostedResultAndTimesOutWithoutOne) {
  ResultWindow window;
  int payload = 42;
  const auto id = CMsg::Instance().Put(&payload);
  PostMessageW(window.Handle(), 2024, 0, CMsg::ParamFromId(id));
  MSG msg;
  ASSERT_TRUE(window.WaitFor(2024, 1000, msg));
  void* pointer = nullptr;
  std::uint32_t reserved = 1;
  ASSERT_TRUE(CMsg::Instance().Take(CMsg::IdFromParam(msg.lParam), pointer, reserved));
  EXPECT_EQ(pointer, &payload);
  EXPECT_FALSE(window.WaitFor(2024, 50, msg));
}
