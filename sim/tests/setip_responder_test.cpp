#include "sim/setip_responder.h"

#include <gtest/gtest.h>

#include <cstring>

#include "sim/discovery_responder.h"
#include "sim/tests/sim_test_devices.h"

namespace {

SetIpRequest Settings(const char* address, const char* mask, const char* gateway, char dhcp) {
  SetIpRequest s{};
  std::strcpy(s.interfaceName, "LAN1");
  std::strcpy(s.address, address);
  std::strcpy(s.mask, mask);
  std::strcpy(s.gateway, gateway);
  s.dhcpFlag = dhcp;
  return s;
}

struct Move {
  std::string from, to;
  int prefix;
};

struct SetIpRun {
  std::vector<DeviceState> devices;
  EventLoop loop;
  std::vector<std::vector<std::uint8_t>> sent;
  std::vector<Move> moves;
  SetIpResponder responder{devices, loop, [this](const auto& d) { sent.push_back(d); },
                           [this](const std::string& from, const std::string& to, int prefix) {
                             moves.push_back({from, to, prefix});
                           }};

  explicit SetIpRun(DeviceState d) : devices{std::move(d), TestDevice("192.0.2.22", 2)} {}

  void Send(const SetIpRequest& settings, int runMs = 20) {
    const auto id = DeviceIdOf(devices[0]);
    responder.OnSetIp(EncodeSetIpRequest(TestSearchId(), id.data(), settings));
    RunFor(loop, runMs);
  }
};

}  // namespace

TEST(SetIpResponder, AStaticChangeIsAnsweredAndShowsInTheNextSearch) {
  SetIpRun run(TestDevice("198.51.100.23", 1));
  run.Send(Settings("192.0.2.50", "255.255.0.0", "192.0.2.254", '0'));
  ASSERT_EQ(run.sent.size(), 1u);
  EXPECT_TRUE(IsSetIpReply(run.sent[0].data(), run.sent[0].size(), TestSearchId()));
  EXPECT_TRUE(run.moves.empty());  // the interface moves only when asked to

  SearchReplyFields f;
  const auto reply = DiscoveryResponder::ReplyFor(run.devices[0], EncodeSearchRequest(TestSearchId()));
  ASSERT_TRUE(DecodeSearchReply(reply.data(), reply.size(), TestSearchId(), kProductBytes, f));
  EXPECT_STREQ(f.address, "192.0.2.50");
  EXPECT_STREQ(f.mask, "255.255.0.0");
  EXPECT_STREQ(f.gateway, "192.0.2.254");
  EXPECT_STREQ(f.dhcpFlag, "0");
  EXPECT_EQ(run.devices[1].address, "192.0.2.22");  // the other device is untouched
}

TEST(SetIpResponder, DhcpTakesTheConfiguredLeaseOrKeepsTheAddress) {
  DeviceState leased = TestDevice("198.51.100.23", 1);
  leased.dhcpAddress = "192.0.2.60";
  SetIpRun run(leased);
  run.Send(Settings("", "", "", '1'));
  EXPECT_EQ(run.sent.size(), 1u);
  EXPECT_EQ(run.devices[0].address, "192.0.2.60");
  EXPECT_EQ(run.devices[0].mask, "255.255.255.0");
  EXPECT_TRUE(run.devices[0].dhcp);

  SetIpRun plain(TestDevice("198.51.100.23", 1));
  plain.Send(Settings("203.0.113.9", "255.255.255.0", "", '1'));
  EXPECT_EQ(plain.devices[0].address, "198.51.100.23");
  EXPECT_TRUE(plain.devices[0].dhcp);
}

TEST(SetIpResponder, RefusesSettingsItCannotUseAndStaysAsItWas) {
  for (const SetIpRequest& bad :
       {Settings("192.0.2.300", "255.255.255.0", "", '0'), Settings("", "255.255.255.0", "", '0'),
        Settings("192.0.2.50", "255.0.255.0", "", '0'), Settings("192.0.2.50", "", "", '0'),
        Settings("192.0.2.50", "255.255.255.0", "gateway", '0'),
        Settings("192.0.2.50", "255.255.255.0", "", 'x')}) {
    SetIpRun run(TestDevice("198.51.100.23", 1));
    run.Send(bad);
    EXPECT_TRUE(run.sent.empty()) << bad.address << " " << bad.mask << " " << bad.gateway;
    EXPECT_EQ(run.devices[0].address, "198.51.100.23");
  }
  // An empty gateway is a static address without one.
  SetIpRun noGateway(TestDevice("198.51.100.23", 1));
  noGateway.Send(Settings("192.0.2.50", "255.255.255.0", "", '0'));
  EXPECT_EQ(noGateway.devices[0].gateway, "");
}

TEST(SetIpResponder, FaultsAndTheInterfaceMove) {
  DeviceState mover = TestDevice("198.51.100.23", 1);
  mover.setIp.readdress = true;
  mover.setIp.delayMs = 200;
  SetIpRun run(mover);
  run.Send(Settings("192.0.2.50", "255.255.255.128", "", '0'), 50);
  EXPECT_TRUE(run.sent.empty());  // nothing changes before the delay is over
  EXPECT_EQ(run.devices[0].address, "198.51.100.23");
  RunFor(run.loop, 250);
  EXPECT_EQ(run.sent.size(), 1u);
  ASSERT_EQ(run.moves.size(), 1u);
  EXPECT_EQ(run.moves[0].from, "198.51.100.23");
  EXPECT_EQ(run.moves[0].to, "192.0.2.50");
  EXPECT_EQ(run.moves[0].prefix, 25);

  DeviceState deaf = TestDevice("198.51.100.23", 1);
  deaf.setIp.silent = true;
  SetIpRun ignored(deaf);
  ignored.Send(Settings("192.0.2.50", "255.255.255.0", "", '0'));
  EXPECT_TRUE(ignored.sent.empty());
  EXPECT_EQ(ignored.devices[0].address, "198.51.100.23");

  // A request naming another device (here: this MAC with another address) is not for this one.
  SetIpRun elsewhere(TestDevice("198.51.100.23", 1));
  auto id = DeviceIdOf(elsewhere.devices[0]);
  id[9] ^= 1;
  elsewhere.responder.OnSetIp(
      EncodeSetIpRequest(TestSearchId(), id.data(), Settings("192.0.2.50", "255.255.255.0", "", '0')));
  auto truncated = EncodeSetIpRequest(TestSearchId(), DeviceIdOf(elsewhere.devices[0]).data(),
                                      Settings("192.0.2.50", "255.255.255.0", "", '0'));
  truncated.resize(179);
  elsewhere.responder.OnSetIp(truncated);
  RunFor(elsewhere.loop, 20);
  EXPECT_TRUE(elsewhere.sent.empty());
}
