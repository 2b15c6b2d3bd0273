// The input that restarts the inactivity timer: typing keys once they repeat or are released, and
// the end of left clicks; never modifiers, navigation keys, a first key press or a mouse move.
#include <gtest/gtest.h>

#include "rules/activity_filters.h"

namespace {
constexpr std::intptr_t kFirstPress = 0x00000001;      // repeat count 1, key was up
constexpr std::intptr_t kRepeat = 0x40000001;          // bit 30: was down
constexpr std::intptr_t kRelease = std::intptr_t(0xC0000001u);  // bits 30 and 31
}  // namespace

TEST(ActivityFilters, TypingKeysCountOnRepeatAndReleaseButNotOnTheFirstPress) {
  for (std::uintptr_t key : {0x0Du, 0x20u, 0x2Fu, 0x30u, 0x39u, 0x41u, 0x5Au, 0x60u, 0x70u, 0xBAu, 0xFFu, 0x100u}) {
    SCOPED_TRACE(key);
    EXPECT_FALSE(KeyReportsActivity(key, kFirstPress));
    EXPECT_TRUE(KeyReportsActivity(key, kRepeat));
    EXPECT_TRUE(KeyReportsActivity(key, kRelease));
  }
}

TEST(ActivityFilters, ModifiersNavigationAndKeysOutsideTheRangeNeverCount) {
  // Backspace, Tab, Shift, Control, Alt, Escape, Page Up, End, the four arrows, Insert, Delete,
  // then the first key past the range.
  for (std::uintptr_t key : {0x08u, 0x09u, 0x10u, 0x11u, 0x12u, 0x1Bu, 0x21u, 0x23u, 0x25u, 0x26u, 0x27u, 0x28u,
                             0x2Du, 0x2Eu, 0x101u}) {
    SCOPED_TRACE(key);
    EXPECT_FALSE(KeyReportsActivity(key, kRepeat));
    EXPECT_FALSE(KeyReportsActivity(key, kRelease));
  }
}

TEST(ActivityFilters, OnlyTheEndOfALeftClickAndLeftPressesOnTheFrameCount) {
  EXPECT_TRUE(MouseMessageReportsActivity(0xA1));   // frame: left down
  EXPECT_TRUE(MouseMessageReportsActivity(0xA2));   // frame: left up
  EXPECT_TRUE(MouseMessageReportsActivity(0x202));  // client: left up
  for (std::uintptr_t message : {0x200u, 0x201u, 0x203u, 0x204u, 0x205u, 0x20Au, 0xA0u, 0xA3u, 0xA4u}) {
    SCOPED_TRACE(message);
    EXPECT_FALSE(MouseMessageReportsActivity(message));
  }
}
