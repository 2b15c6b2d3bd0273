#include "settings/login_out_time.h"

#include <limits>

namespace {

constexpr std::uint32_t kMinute = 60000;

// The value of the leading decimal digits; an overlong number saturates rather than wraps, so
// that it cannot turn into a short or a manual time.
std::uint32_t LeadingNumber(std::u16string_view text) {
  constexpr std::uint32_t kMax = std::numeric_limits<std::uint32_t>::max();
  std::uint32_t value = 0;
  for (const char16_t c : text) {
    if (c < u'0' || c > u'9') break;
    const std::uint32_t digit = c - u'0';
    if (value > (kMax - digit) / 10) return kMax;
    value = value * 10 + digit;
  }
  return value;
}

}  // namespace

std::uint32_t InactivityTimeoutFromSetting(std::u16string_view stored) {
  if (stored.empty()) return kDefaultInactivityTimeout;
  const std::uint32_t value = LeadingNumber(stored);
  if (value == 0) return kManualLogout;
  switch (value / kMinute) {
    case 3:
    case 5:
    case 15:
    case 30:
    case 60:
      return value / kMinute * kMinute;
    default:
      return kMinute;
  }
}

std::u16string FormatLoginOutTime(std::uint32_t milliseconds) {
  const std::string digits = std::to_string(milliseconds);
  std::u16string text(digits.begin(), digits.end());
  text += u':';
  return text;
}
