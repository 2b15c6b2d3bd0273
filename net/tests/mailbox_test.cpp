#include "net/mailbox.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

// One mailbox serves the whole process; nothing else in this program puts into it before this test.
TEST(Mailbox, IdsStartAtOneCountUpAndEachIsTakenOnce) {
  CMsg& box = CMsg::Instance();
  int a = 1, b = 2, c = 3;
  const auto first = box.Put(&a);
  EXPECT_EQ(first, 1u);
  const auto second = box.Put(&b);
  const auto third = box.Put(&c);
  EXPECT_EQ(second, first + 1);
  EXPECT_EQ(third, second + 1);

  void* p = nullptr;
  std::uint32_t reserved = 7;
  ASSERT_TRUE(box.Take(second, p, reserved));  // from the middle
  EXPECT_EQ(p, &b);
  EXPECT_EQ(reserved, 0u);

  void* untouched = &p;
  std::uint32_t keep = 9;
  EXPECT_FALSE(box.Take(second, untouched, keep));
  EXPECT_EQ(untouched, &p);
  EXPECT_EQ(keep, 9u);

  ASSERT_TRUE(box.Take(third, p, reserved));
  EXPECT_EQ(p, &c);
  ASSERT_TRUE(box.Take(first, p, reserved));
  EXPECT_EQ(p, &a);
}

TEST(Mailbox, ParameterRoundTripOfTheLow32Bits) {
  EXPECT_EQ(CMsg::IdFromParam(CMsg::ParamFromId(1)), 1u);
  EXPECT_EQ(CMsg::IdFromParam(CMsg::ParamFromId(0x7FFFFFFF)), 0x7FFFFFFFu);
  // Only 32 bits travel in the message: a higher id comes back sign-extended.
  EXPECT_EQ(CMsg::IdFromParam(CMsg::ParamFromId(0x80000000u)), 0xFFFFFFFF80000000ull);
}

TEST(Mailbox, ConcurrentPutAndTakeLoseNothing) {
  CMsg& box = CMsg::Instance();
  constexpr int kPerThread = 2000;
  std::vector<int> values(4 * kPerThread);
  std::vector<std::thread> workers;
  std::atomic<int> taken{0};
  for (int t = 0; t < 4; ++t) {
    workers.emplace_back([&, t] {
      for (int i = 0; i < kPerThread; ++i) {
        int* mine = &values[static_cast<std::size_t>(t * kPerThread + i)];
        const auto id = box.Put(mine);
        void* p = nullptr;
        std::uint32_t r;
        if (box.Take(id, p, r) && p == mine) ++taken;
      }
    });
  }
  for (auto& w : workers) w.join();
  EXPECT_EQ(taken.load(), 4 * kPerThread);
}
