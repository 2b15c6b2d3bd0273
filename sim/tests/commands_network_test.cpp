// The address answer, and network changes read back through it, with the interface following.
#include "sim/commands_network.h"

#include <cstdio>

#include "net/device_commands.h"
#include "sim/http_server.h"
#include "sim/tests/sim_test_nas.h"

namespace {

NetworkSettings Settings(int dhcp, const char* address, const char* mask, const char* gateway,
                         const char* dns1 = "", const char* dns2 = "") {
  NetworkSettings s{};
  s.dhcpFlag = dhcp;
  std::snprintf(s.address, sizeof s.address, "%s", address);
  std::snprintf(s.mask, sizeof s.mask, "%s", mask);
  std::snprintf(s.gateway, sizeof s.gateway, "%s", gateway);
  std::snprintf(s.dns1, sizeof s.dns1, "%s", dns1);
  std::snprintf(s.dns2, sizeof s.dns2, "%s", dns2);
  return s;
}

// The device's address as the program's LAN reader takes it.
std::string LanAddress(TestNas& nas) {
  ProgramRecords program;
  program.Read(6, nas.Exchange(6, GetLanInfoBody()));
  return std::string(program.wizard.lan.address) + "/" + program.wizard.lan.mask + " via " +
         program.wizard.lan.gateway;
}

// A device whose interface follows its changes, releasing the old address after `releaseMs`.
DeviceState Readdressing(int releaseMs) {
  DeviceState d = TestDevice("192.0.2.21", 1);
  d.network.readdress = true;
  d.network.releaseMs = releaseMs;
  return d;
}

bool Accepted(TestNas& nas, const NetworkSettings& settings) {
  return nas.Exchange(5, SetNetworkBody(settings).value()).find("<res>1</res>") !=
         std::string::npos;
}

}  // namespace

TEST(NetworkCommands, AStaticChangeIsReadBackAtOnceAndTheInterfaceStaysWithoutReaddress) {
  TestNas nas;
  EXPECT_EQ(LanAddress(nas), "192.0.2.21/255.255.255.0 via 192.0.2.1");
  EXPECT_NE(nas.Exchange(7, LockSetIpBody()).find("<res>1</res>"), std::string::npos);
  EXPECT_TRUE(Accepted(nas, Settings(0, "198.51.100.7", "255.255.255.128", "198.51.100.1",
                                     "198.51.100.53", "")));
  EXPECT_EQ(LanAddress(nas), "198.51.100.7/255.255.255.128 via 198.51.100.1");
  ProgramRecords program;
  program.Read(2, nas.Exchange(2, GetWizardInfoBody()));
  EXPECT_EQ(program.wizard.dhcpFlag, 0);
  EXPECT_STREQ(program.wizard.dns1, "198.51.100.53");
  EXPECT_STREQ(program.wizard.dns2, "");
  EXPECT_EQ(nas.device.formerAddress, "192.0.2.21");
  RunFor(nas.loop, 20);
  EXPECT_TRUE(nas.interfaceChanges.empty());
}

TEST(NetworkCommands, DhcpTakesTheLeaseOrKeepsTheAddress) {
  TestNas nas;
  EXPECT_TRUE(Accepted(nas, Settings(1, "0.0.0.0", "0.0.0.0", "0.0.0.0")));
  EXPECT_EQ(LanAddress(nas), "192.0.2.21/255.255.255.0 via 192.0.2.1");
  EXPECT_TRUE(nas.device.dhcp);
  EXPECT_EQ(nas.device.formerAddress, "");

  nas.device.dhcpAddress = "192.0.2.60";
  nas.device.network.readdress = true;
  EXPECT_TRUE(Accepted(nas, Settings(1, "", "", "")));
  EXPECT_EQ(LanAddress(nas), "192.0.2.60/255.255.255.0 via 192.0.2.1");
  RunFor(nas.loop, NetworkCommands::kFollowMs + 50);
  EXPECT_EQ(nas.interfaceChanges, (std::vector<std::string>{"add 192.0.2.21 192.0.2.60/24"}));
}

TEST(NetworkCommands, SettingsTheDeviceCannotUseChangeNothing) {
  for (const NetworkSettings& bad :
       {Settings(0, "198.51.100.300", "255.255.255.0", ""), Settings(0, "", "255.255.255.0", ""),
        Settings(0, "198.51.100.7", "255.0.255.0", ""), Settings(0, "198.51.100.7", "", ""),
        Settings(0, "198.51.100.7", "255.255.255.0", "gateway"),
        Settings(0, "198.51.100.7", "255.255.255.0", "", "dns"),
        Settings(1, "", "", "", "", "198.51.100"),
        Settings(2, "198.51.100.7", "255.255.255.0", "")}) {
    TestNas nas;
    EXPECT_FALSE(Accepted(nas, bad)) << bad.address << " " << bad.mask << " " << bad.gateway;
    EXPECT_EQ(LanAddress(nas), "192.0.2.21/255.255.255.0 via 192.0.2.1");
    EXPECT_FALSE(nas.device.dhcp);
  }
  TestNas nas;
  EXPECT_EQ(nas.Exchange(5, "cmd=cgi_ip&f_ip=198.51.100.7&f_netmask=255.255.255.0").find(
                "<res>1</res>"),
            std::string::npos);  // no DHCP flag at all
}

TEST(NetworkCommands, WithReaddressTheInterfaceTakesTheNewAddressThenReleasesTheOld) {
  TestNas nas(Readdressing(150));
  EXPECT_TRUE(Accepted(nas, Settings(0, "198.51.100.7", "255.255.255.0", "")));
  RunFor(nas.loop, NetworkCommands::kFollowMs + 50);
  EXPECT_EQ(nas.interfaceChanges, (std::vector<std::string>{"add 192.0.2.21 198.51.100.7/24"}));

  // Until the old address is released, requests to it still reach the device.
  std::vector<DeviceState> devices{TestDevice("192.0.2.22", 2), nas.device};
  const std::string old = "192.0.2.21";
  EXPECT_EQ(&HttpServer::DeviceFor(devices, &old, "192.0.2.21"), &devices[1]);

  RunFor(nas.loop, 150);
  EXPECT_EQ(nas.interfaceChanges, (std::vector<std::string>{"add 192.0.2.21 198.51.100.7/24",
                                                           "release 192.0.2.21"}));
  EXPECT_EQ(nas.device.formerAddress, "");
}

TEST(NetworkCommands, AnAddressTheDeviceCameBackToIsNotReleased) {
  TestNas nas(Readdressing(100));
  EXPECT_TRUE(Accepted(nas, Settings(0, "192.0.2.50", "255.255.255.0", "192.0.2.1")));
  EXPECT_TRUE(Accepted(nas, Settings(0, "192.0.2.21", "255.255.255.0", "192.0.2.1")));
  RunFor(nas.loop, NetworkCommands::kFollowMs + 200);
  EXPECT_EQ(nas.interfaceChanges,
            (std::vector<std::string>{"add 192.0.2.21 192.0.2.50/24",
                                      "add 192.0.2.50 192.0.2.21/24", "release 192.0.2.50"}));
  EXPECT_EQ(LanAddress(nas), "192.0.2.21/255.255.255.0 via 192.0.2.1");
}
