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

TEST(DeviceConfig, ReadsUsersAndTheFaultsOfEveryExchange) {
  const auto r = Parse(
      "[device]\naddress=192.0.2.21\nuser=admin:s3cret:1111\nuser=bob::0100\nuser=carol:pw\n"
      "dhcp_address=192.0.2.60\nlogin.silent=1\nlogin.delay_ms=20\nlogin.answer_any=1\n"
      "setip.silent=1\nsetip.delay_ms=30\nsetip.readdress=1\n"
      "http.fault=http10\nhttp.split_ms=200\nhttp.oversize=1\n"
      "[device]\naddress=192.0.2.22\nhttp.fault=refused\n");
  ASSERT_EQ(r.error, "");
  const DeviceState& d = r.devices[0];
  ASSERT_EQ(d.users.size(), 3u);
  EXPECT_EQ(d.users[0].password, "s3cret");
  EXPECT_EQ(d.users[0].access, "1111");
  EXPECT_EQ(d.users[1].name, "bob");
  EXPECT_EQ(d.users[1].password, "");
  EXPECT_EQ(d.users[1].access, "0100");
  EXPECT_EQ(d.users[2].password, "pw");
  EXPECT_EQ(d.dhcpAddress, "192.0.2.60");
  EXPECT_TRUE(d.login.silent && d.login.answerAny && d.setIp.silent && d.setIp.readdress);
  EXPECT_EQ(d.login.delayMs + d.setIp.delayMs, 50);
  EXPECT_EQ(d.http.fault, HttpFault::kHttp10);
  EXPECT_EQ(d.http.splitMs, 200);
  EXPECT_TRUE(d.http.oversize);
  // Without users a device has the factory login.
  ASSERT_EQ(r.devices[1].users.size(), 1u);
  EXPECT_EQ(r.devices[1].users[0].name, "admin");
  EXPECT_EQ(r.devices[1].users[0].password, "admin");
  EXPECT_EQ(r.devices[1].http.fault, HttpFault::kRefused);

  for (const char* bad : {"user=nopassword", "user=:pw", "http.fault=sometimes", "http.split_ms=x",
                          "dhcp_address=192.0.2", "setip.readdress=yes"})
    EXPECT_NE(Parse(std::string("[device]\naddress=192.0.2.1\n") + bad + "\n").error, "") << bad;
}

TEST(DeviceConfig, ReadsTheDeviceSettingsDisksVolumesAndShares) {
  const auto r = Parse(
      "[device]\naddress=192.0.2.21\ndns1=192.0.2.53\nworkgroup=HOME\n"
      "description=Fotos & Musik = alles\ntimezone=96\nuser=alice:pw\n"
      "share=alice:Public\nshare=alice:\xF0\x9F\x98\x80music\nusb_share=alice:Stick:1\n"
      "disk=sda:500\ndisk=sdb:1000\nvolume=1:994:12:raid0\nvolume=2:494:0\n"
      "format.seconds=0\nformat.fail_at=60\nnetwork.readdress=1\nnetwork.release_ms=100\n");
  ASSERT_EQ(r.error, "");
  const DeviceState& d = r.devices[0];
  EXPECT_EQ(d.dns1, "192.0.2.53");
  EXPECT_EQ(d.dns2, "");
  EXPECT_EQ(d.workgroup, "HOME");
  EXPECT_EQ(d.description, "Fotos & Musik = alles");
  EXPECT_EQ(d.timeZone, 96);
  ASSERT_EQ(d.shares.size(), 3u);
  EXPECT_EQ(d.shares[1].name, "\xF0\x9F\x98\x80music");
  EXPECT_FALSE(d.shares[1].usb);
  EXPECT_EQ(d.shares[2].name, "Stick:1");
  EXPECT_TRUE(d.shares[2].usb);
  ASSERT_EQ(d.disks.size(), 2u);
  EXPECT_EQ(d.disks[1].name, "sdb");
  EXPECT_EQ(d.disks[1].sizeGiB, 1000);
  ASSERT_EQ(d.volumes.size(), 2u);
  EXPECT_EQ(d.volumes[0].level, "raid0");
  EXPECT_EQ(d.volumes[0].usedGiB, 12);
  EXPECT_EQ(d.volumes[1].level, "standard");
  EXPECT_EQ(d.format.seconds, 0);
  EXPECT_EQ(d.format.failAtPercent, 60);
  EXPECT_TRUE(d.network.readdress);
  EXPECT_EQ(d.network.releaseMs, 100);

  // Unset, a device has the usual defaults.
  const DeviceState plain = Parse("[device]\naddress=192.0.2.21\n").devices.at(0);
  EXPECT_EQ(plain.workgroup, "WORKGROUP");
  EXPECT_EQ(plain.timeZone, 1);
  EXPECT_EQ(plain.format.seconds, 4);
  EXPECT_FALSE(plain.format.failAtPercent);
  EXPECT_TRUE(plain.disks.empty() && plain.volumes.empty() && plain.shares.empty());

  for (const char* bad :
       {"timezone=0", "timezone=97", "dns2=none", "share=alice", "share=:x", "share=alice:",
        "disk=sda", "disk=sda:0", "disk=sd,a:5", "disk=sda:5G", "volume=1:10", "volume=0:10:0",
        "volume=1:10:11", "volume=1:10:0:raid5", "volume=1:10:0:raid1:x", "format.seconds=3601",
        "format.fail_at=100", "format.fail_at=", "network.release_ms=-1"})
    EXPECT_NE(Parse(std::string("[device]\naddress=192.0.2.1\n") + bad + "\n").error, "") << bad;
}

TEST(DeviceConfig, FaultsByCommandAddUp) {
  const auto r = Parse(
      "[device]\naddress=192.0.2.21\nfault.cgi_FMT_Create_DiskMGR=res:5\n"
      "fault.dm_read_state.xml=drop:percent\nfault.dm_read_state.xml=slow:300\n");
  ASSERT_EQ(r.error, "");
  const auto& faults = r.devices[0].answerFaults;
  ASSERT_EQ(faults.size(), 2u);
  EXPECT_EQ(faults.at("cgi_FMT_Create_DiskMGR").at(0).number, 5);
  ASSERT_EQ(faults.at("dm_read_state.xml").size(), 2u);
  EXPECT_EQ(faults.at("dm_read_state.xml")[1].kind, AnswerFault::Kind::kSlow);
  for (const char* bad : {"fault.=res:1", "fault.cgi_ip=", "fault.cgi_ip=late", "fault=res:1"})
    EXPECT_NE(Parse(std::string("[device]\naddress=192.0.2.1\n") + bad + "\n").error, "") << bad;
}

TEST(DeviceConfig, RefusesOctetsAndCountsOutOfRangeNamingTheLine) {
  const auto wrapped = Parse("[device]\naddress=192.0.2.1\nmac=00:11:22:33:44:100000001\n");
  EXPECT_NE(wrapped.error.find("line 3: bad value for 'mac'"), std::string::npos) << wrapped.error;
  EXPECT_TRUE(wrapped.devices.empty());
  for (const char* mac : {"0:1:2:3:4", "00:11:22:33:44:55:66", "00:11:22:33:44:5g", "00:11:22:33:44:",
                          "00::22:33:44:55", "+1:2:3:4:5:6", "00:11:22:33:44:55 x"})
    EXPECT_NE(Parse(std::string("[device]\naddress=192.0.2.1\nmac=") + mac + "\n").error, "") << mac;
  const auto upper = Parse("[device]\naddress=192.0.2.1\nmac=0:1:2:Ab:c:FF\n");
  ASSERT_EQ(upper.error, "");
  EXPECT_EQ(upper.devices[0].mac, (std::array<std::uint8_t, 6>{0, 1, 2, 0xab, 0xc, 0xff}));

  EXPECT_EQ(Parse("[device]\naddress=192.0.2.1\nsearch.answers=100\n").error, "");
  const auto flood = Parse("[device]\naddress=192.0.2.1\n\nsearch.answers=2147483647\n");
  EXPECT_NE(flood.error.find("line 4: bad value for 'search.answers' (a count from 0 to 100)"),
            std::string::npos)
      << flood.error;
}
