// The device IP dialog's request and checks: the request's fields as the device reads them, the
// loopback refusal, the gateway's subnet, and device records whose texts are not addresses.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "rules/device_ip_entry.h"

namespace {
const DeviceIpEntry kOffice{{192, 0, 2, 20}, {255, 255, 255, 0}, {192, 0, 2, 1}};

std::string Field(const char* text, size_t size) { return std::string(text, strnlen(text, size)); }
}  // namespace

TEST(DeviceIpEntry, RequestCarriesTheInterfaceTheThreeAddressesAndTheModeWithZerosElsewhere) {
  const SetIpRequest request = MakeSetIpRequest(kOffice, AddressMode::kStatic);
  EXPECT_EQ(Field(request.interfaceName, sizeof request.interfaceName), "LAN1");
  EXPECT_EQ(Field(request.address, sizeof request.address), "192.0.2.20");
  EXPECT_EQ(Field(request.mask, sizeof request.mask), "255.255.255.0");
  EXPECT_EQ(Field(request.gateway, sizeof request.gateway), "192.0.2.1");
  EXPECT_EQ(request.dhcpFlag, '0');
  EXPECT_EQ(MakeSetIpRequest(kOffice, AddressMode::kDhcp).dhcpFlag, '1');

  const auto* bytes = reinterpret_cast<const unsigned char*>(&request);
  for (size_t offset = 4; offset < 10; ++offset) EXPECT_EQ(bytes[offset], 0) << offset;
  for (size_t offset = 59; offset < sizeof request; ++offset) EXPECT_EQ(bytes[offset], 0) << offset;
}

TEST(DeviceIpEntry, TheLongestAddressesFillTheirFieldsWithTheTerminatingZeroKept) {
  const DeviceIpEntry widest{{223, 255, 255, 254}, {255, 255, 255, 255}, {223, 255, 255, 254}};
  const SetIpRequest request = MakeSetIpRequest(widest, AddressMode::kStatic);
  EXPECT_EQ(Field(request.address, sizeof request.address), "223.255.255.254");
  EXPECT_EQ(request.address[15], '\0');
  EXPECT_EQ(Field(request.mask, sizeof request.mask), "255.255.255.255");
  EXPECT_EQ(request.mask[15], '\0');
}

TEST(DeviceIpEntry, LoopbackIsOnlyTheWhole127Network) {
  EXPECT_TRUE(IsLoopbackAddress({127, 0, 0, 5}));
  EXPECT_TRUE(IsLoopbackAddress({127, 255, 255, 254}));
  EXPECT_FALSE(IsLoopbackAddress({126, 0, 0, 1}));
  EXPECT_FALSE(IsLoopbackAddress({128, 0, 0, 1}));
  EXPECT_FALSE(IsLoopbackAddress({192, 0, 2, 127}));
}

TEST(DeviceIpEntry, GatewayMustShareTheNetworkPartThatTheMaskSelects) {
  EXPECT_TRUE(GatewayOnSubnet(kOffice));
  EXPECT_FALSE(GatewayOnSubnet({{192, 168, 1, 10}, {255, 255, 255, 0}, {192, 168, 2, 1}}));
  EXPECT_TRUE(GatewayOnSubnet({{192, 168, 1, 10}, {255, 255, 252, 0}, {192, 168, 2, 1}}));
  EXPECT_TRUE(GatewayOnSubnet({{198, 51, 100, 7}, {0, 0, 0, 0}, {203, 0, 113, 1}}));
  EXPECT_FALSE(GatewayOnSubnet({{198, 51, 100, 7}, {255, 255, 255, 255}, {198, 51, 100, 1}}));
}

TEST(DeviceIpEntry, RecordTextsThatAreNotAddressesGiveZeros) {
  EXPECT_EQ(OctetsOfDotted("198.51.100.7"), (Octets{198, 51, 100, 7}));
  EXPECT_EQ(OctetsOfDotted("255.255.255.0"), (Octets{255, 255, 255, 0}));
  for (const char* text : {"", "198.51.100", "198.51.100.256", "198.51.100.7.1", "a.b.c.d", " 198.51.100.7"}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(OctetsOfDotted(text), (Octets{}));
  }
  EXPECT_EQ(OctetsOfDotted(nullptr), (Octets{}));
}
