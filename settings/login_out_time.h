// The inactivity logout time as the settings file keeps it: milliseconds written as "%u:".
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

inline constexpr std::uint32_t kDefaultInactivityTimeout = 900000;  // 15 minutes
inline constexpr std::uint32_t kManualLogout = 0;                   // no inactivity timer

// The inactivity time in milliseconds that a stored value stands for; an empty text (nothing
// stored) gives the default. Only the leading decimal digits count, so the trailing colon is
// ignored and a text without digits reads as 0, manual logout. Any other time is cut to whole
// minutes and kept only when it is one of the offered 3, 5, 15, 30 or 60; else it is 1 minute.
std::uint32_t InactivityTimeoutFromSetting(std::u16string_view stored);

// The text that stores `milliseconds`, for example "900000:".
std::u16string FormatLoginOutTime(std::uint32_t milliseconds);
