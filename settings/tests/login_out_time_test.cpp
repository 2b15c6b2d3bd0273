#include "settings/login_out_time.h"

#include <gtest/gtest.h>

namespace {

TEST(LoginOutTime, NothingStoredIsFifteenMinutes) {
  EXPECT_EQ(InactivityTimeoutFromSetting(u""), 900000u);
}

TEST(LoginOutTime, ZeroOrNoLeadingDigitsMeanManualLogout) {
  EXPECT_EQ(InactivityTimeoutFromSetting(u"0:"), kManualLogout);
  EXPECT_EQ(InactivityTimeoutFromSetting(u"0"), kManualLogout);
  EXPECT_EQ(InactivityTimeoutFromSetting(u":900000"), kManualLogout);
  EXPECT_EQ(InactivityTimeoutFromSetting(u"abc"), kManualLogout);
  EXPECT_EQ(InactivityTimeoutFromSetting(u"-60000:"), kManualLogout);
}

TEST(LoginOutTime, OfferedChoicesAreKept) {
  for (const std::uint32_t minutes : {3u, 5u, 15u, 30u, 60u}) {
    EXPECT_EQ(InactivityTimeoutFromSetting(FormatLoginOutTime(minutes * 60000)), minutes * 60000);
    // Only whole minutes count: a few milliseconds more are dropped.
    EXPECT_EQ(InactivityTimeoutFromSetting(FormatLoginOutTime(minutes * 60000 + 59999)),
              minutes * 60000);
  }
}

TEST(LoginOutTime, EveryOtherTimeIsOneMinute) {
  EXPECT_EQ(InactivityTimeoutFromSetting(u"60000:"), 60000u);
  EXPECT_EQ(InactivityTimeoutFromSetting(u"120000:"), 60000u);
  EXPECT_EQ(InactivityTimeoutFromSetting(u"1:"), 60000u);
  EXPECT_EQ(InactivityTimeoutFromSetting(u"240000:"), 60000u);
  EXPECT_EQ(InactivityTimeoutFromSetting(u"7200000:"), 60000u);
}

TEST(LoginOutTime, ParsingStopsAtTheFirstNonDigit) {
  EXPECT_EQ(InactivityTimeoutFromSetting(u"180000"), 180000u);
  EXPECT_EQ(InactivityTimeoutFromSetting(u"180000:junk"), 180000u);
  EXPECT_EQ(InactivityTimeoutFromSetting(u"1800000 ms"), 1800000u);
}

TEST(LoginOutTime, AnOverlongNumberIsNotWrappedIntoAnotherChoice) {
  // 2^32 + 900000 would wrap to 15 minutes, and 2^32 exactly to manual logout.
  EXPECT_EQ(InactivityTimeoutFromSetting(u"4295867296:"), 60000u);
  EXPECT_EQ(InactivityTimeoutFromSetting(u"4294967296:"), 60000u);
  EXPECT_EQ(InactivityTimeoutFromSetting(u"99999999999999999999999999:"), 60000u);
}

TEST(LoginOutTime, FormatIsDigitsAndAColon) {
  EXPECT_EQ(FormatLoginOutTime(900000), u"900000:");
  EXPECT_EQ(FormatLoginOutTime(0), u"0:");
  EXPECT_EQ(FormatLoginOutTime(4294967295u), u"4294967295:");
}

}  // namespace
