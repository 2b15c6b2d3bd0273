#include "sim/device_config.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {
ConfigResult Parse(const std::string& text) {
  std::istringstream in(text);
  return ParseDeviceConfig(in);
}
}  // namespace

TEST(DeviceConfig, ReadsDevicesWithTheirFaults) {
  const auto r = Parse(
      "# two devices\n[device]\nname=NAS-ONE\nmac=00:11:22:33:44:0a\naddress=192.0.2.21\n"
      "mask=255.255.255.0\ngateway=192.0.2.1\ndhcp=1\ntext=hello world\n"
      "\n[device]\naddress=198.51.100.23\nsearch.delay_ms=300\nsearch.answers=2\n"
      "search.silent=1\nsearch.foreign_model=1\nsearch.wrong_id=1\n");
  ASSERT_EQ(r.error, "");
  ASSERT_EQ(r.devices.size(), 2u);
  EXPECT_EQ(r.devices[0].name, "NAS-ONE");
  EXPECT_EQ(r.devices[0].mac[5], 0x0a);
  EXPECT_TRUE(r.devices[0].dhcp);
  EXPECT_EQ(r.devices[0].text, "hello world");
  const SearchFaults& f = r.devices[1].search;
  EXPECT_EQ(f.delayMs, 300);
  EXPECT_EQ(f.answers, 2);
  EXPECT_TRUE(f.silent && f.foreignModel && f.wrongId);
}

TEST(DeviceConfig, SaysWhatIsWrong) {
  EXPECT_NE(Parse("name=x\n").error.find("outside"), std::string::npos);
  EXPECT_NE(Parse("[device]\nbogus=1\n").error.find("unknown key 'bogus'"), std::string::npos);
  EXPECT_NE(Parse("[device]\naddress=192.0.2.300\n").error.find("bad value"), std::string::npos);
  EXPECT_NE(Parse("[device]\naddress=192.0.2.1\nmac=zz\n").error.find("line 3"), std::string::npos);
  EXPECT_NE(Parse("[device]\naddress=192.0.2.1\nsearch.delay_ms=-5\n").error, "");
  EXPECT_NE(Parse("[device]\nname=no address\n").error, "");
  EXPECT_NE(Parse("[device]\njunk\n").error, "");
}
