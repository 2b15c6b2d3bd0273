#include "sim/device_numbering.h"

#include <gtest/gtest.h>

#include <sstream>

#include "sim/device_config.h"

namespace {
ConfigResult Parse(const std::string& text) {
  std::istringstream in(text);
  return ParseDeviceConfig(in);
}
}  // namespace

TEST(NumberedDevices, OneSectionStandsForManyCountedDevices) {
  const auto r = Parse(
      "[device]\nname=FARM\nmac=02:00:00:00:00:fe\naddress=192.0.2.254\ncount=300\n"
      "search.delay_ms=5\n[device]\nname=SINGLE\naddress=198.51.100.5\n");
  ASSERT_EQ(r.error, "");
  ASSERT_EQ(r.devices.size(), 301u);
  EXPECT_EQ(r.devices[0].name, "FARM 1");
  EXPECT_EQ(r.devices[0].address, "192.0.2.254");
  // Counting carries into the next octet and the next MAC byte.
  EXPECT_EQ(r.devices[2].address, "192.0.3.0");
  EXPECT_EQ(r.devices[2].mac, (std::array<std::uint8_t, 6>{2, 0, 0, 0, 1, 0}));
  EXPECT_EQ(r.devices[299].name, "FARM 300");
  EXPECT_EQ(r.devices[299].search.delayMs, 5);  // every copy keeps the section's faults
  EXPECT_EQ(r.devices[300].name, "SINGLE");     // a single device keeps its name unnumbered
}

TEST(NumberedDevices, CountsThatRunPastTheLastAddressOrMacAreRefused) {
  EXPECT_NE(Parse("[device]\naddress=255.255.255.250\ncount=7\n").error.find("run past"),
            std::string::npos);
  EXPECT_NE(Parse("[device]\naddress=192.0.2.1\nmac=ff:ff:ff:ff:ff:ff\ncount=2\n").error, "");
  EXPECT_EQ(Parse("[device]\naddress=255.255.255.250\ncount=6\n").error, "");
  for (const char* count : {"0", "4097", "-1", "many"})
    EXPECT_NE(Parse(std::string("[device]\naddress=192.0.2.1\ncount=") + count + "\n").error, "")
        << count;
}
