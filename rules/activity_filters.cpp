#include "rules/activity_filters.h"

namespace {
constexpr std::intptr_t kPreviouslyDownBit = std::intptr_t{1} << 30;
constexpr std::uintptr_t kEnterKey = 0x0D;
constexpr std::uintptr_t kSpaceKey = 0x20;
constexpr std::uintptr_t kFirstTypingKey = 0x2F;
constexpr std::uintptr_t kLastTypingKey = 0x100;

constexpr std::uintptr_t kNonClientLeftDown = 0xA1;
constexpr std::uintptr_t kNonClientLeftUp = 0xA2;
constexpr std::uintptr_t kLeftUp = 0x202;
}  // namespace

bool KeyReportsActivity(std::uintptr_t virtualKey, std::intptr_t keyState) {
  if ((keyState & kPreviouslyDownBit) == 0) return false;
  return virtualKey == kEnterKey || virtualKey == kSpaceKey ||
         (virtualKey >= kFirstTypingKey && virtualKey <= kLastTypingKey);
}

bool MouseMessageReportsActivity(std::uintptr_t message) {
  return message == kNonClientLeftDown || message == kNonClientLeftUp || message == kLeftUp;
}
