// How a search ended, as the window and `drovikctl search --explain` read it.
#include "net/search_report.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

NasDeviceInfo Device(const char* address, const char* mask = "255.255.255.0") {
  NasDeviceInfo d{};
  std::snprintf(d.address, sizeof d.address, "%s", address);
  std::snprintf(d.mask, sizeof d.mask, "%s", mask);
  return d;
}

const std::vector<ListedAdapter> kAdapters{{"192.0.2.10", "255.255.255.0"}, {"203.0.113.10", "255.255.255.0"}};

SearchTally Heard(std::initializer_list<SearchReplyVerdict> verdicts) {
  SearchTally tally;
  tally.Begin(2, {});
  for (SearchReplyVerdict verdict : verdicts) tally.adapters[1].Count(verdict);
  return tally;
}

}  // namespace

TEST(SearchOutcome, EachShapeOfAFinishedSearch) {
  const SearchTally silent = Heard({});
  EXPECT_EQ(ReadSearchOutcome(kAdapters, silent, {}), SearchOutcome::kNothingHeard);
  const SearchTally ignored = Heard({SearchReplyVerdict::kOtherProduct, SearchReplyVerdict::kTooShort});
  EXPECT_EQ(ReadSearchOutcome(kAdapters, ignored, {}), SearchOutcome::kAllIgnored);

  const SearchTally two = Heard({SearchReplyVerdict::kAccepted, SearchReplyVerdict::kAccepted});
  // A device on the second adapter's subnet counts as on this computer's subnet.
  EXPECT_EQ(ReadSearchOutcome(kAdapters, two, {Device("198.51.100.7"), Device("203.0.113.8")}),
            SearchOutcome::kDevicesFound);
  EXPECT_EQ(ReadSearchOutcome(kAdapters, two, {Device("198.51.100.7"), Device("198.51.100.9")}),
            SearchOutcome::kOnlyOtherSubnets);
}

TEST(SearchOutcome, OtherSubnetIsOffEveryAdapterWithTheDevicesOwnMask) {
  EXPECT_FALSE(OffEveryAdapterSubnet(kAdapters, Device("192.0.2.99")));
  EXPECT_TRUE(OffEveryAdapterSubnet(kAdapters, Device("192.0.3.99")));
  EXPECT_TRUE(OffEveryAdapterSubnet({}, Device("192.0.2.99")));
  EXPECT_TRUE(OffEveryAdapterSubnet(kAdapters, Device("not an address")));
}
