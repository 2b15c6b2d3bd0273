#include "net/login_datagram.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

DiscoveryId TestId() {
  DiscoveryId id;
  for (int i = 0; i < 6; ++i) id.bytes[i] = static_cast<std::uint8_t>(0xC0 + i);
  return id;
}

const std::uint8_t kDeviceId[10] = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 192, 0, 2, 21};
const std::uint8_t kDeviceIpv4[4] = {192, 0, 2, 21};

SetIpRequest Settings() {
  SetIpRequest s{};
  std::strcpy(s.interfaceName, "LAN1");
  std::strcpy(s.address, "192.0.2.50");
  std::strcpy(s.mask, "255.255.255.0");
  std::strcpy(s.gateway, "192.0.2.1");
  s.dhcpFlag = '0';
  return s;
}

std::optional<std::int8_t> Answer(const std::vector<std::uint8_t>& d,
                                  const char* address = "192.0.2.21") {
  return ReadLoginReply(d.data(), d.size(), TestId(), address);
}

}  // namespace

TEST(LoginDatagram, RequestLayoutByteForByte) {
  const auto d = EncodeLoginRequest(TestId(), kDeviceId, "abc", "wxyz");
  ASSERT_EQ(d.size(), 37u);
  EXPECT_EQ(d[0], 3);
  EXPECT_EQ(0, std::memcmp(d.data() + 1, TestId().bytes.data(), 10));
  EXPECT_EQ(0, std::memcmp(d.data() + 11, kDeviceId, 10));
  EXPECT_EQ(d[21], 4);
  EXPECT_EQ(d[22], 0);
  EXPECT_EQ(d[23], 0);
  EXPECT_EQ(ReadLe32(d.data() + 24), 9u);
  const std::uint8_t payload[] = {'a', 'b', 'c', 0x55, 0xAA, 'w', 'x', 'y', 'z'};
  EXPECT_EQ(0, std::memcmp(d.data() + 28, payload, 9));

  // Credentials beyond their 15 bytes are cut; empty ones leave only the separator.
  const auto longest = EncodeLoginRequest(TestId(), kDeviceId, std::string(20, 'u'), "");
  EXPECT_EQ(longest.size(), 28u + 15u + 2u);
  EXPECT_EQ(ReadLe32(longest.data() + 24), 17u);
}

TEST(LoginDatagram, DeviceSideReadsTheRequestBack) {
  const auto request = EncodeLoginRequest(TestId(), kDeviceId, "admin", "pass word");
  const auto content = DecodeLoginRequest(request.data(), request.size());
  ASSERT_TRUE(content);
  EXPECT_EQ(content->user, "admin");
  EXPECT_EQ(content->password, "pass word");
  EXPECT_EQ(0, std::memcmp(content->requestId, TestId().bytes.data(), 10));
  EXPECT_EQ(0, std::memcmp(content->deviceId, kDeviceId, 10));
}

TEST(LoginDatagram, HostileLoginRequestsDecodeBounded) {
  auto request = EncodeLoginRequest(TestId(), kDeviceId, "admin", "pw");
  // A length that claims more than arrived, even one that wraps when added.
  const auto oneTooMany = static_cast<std::uint32_t>(request.size() - 28 + 1);
  for (const std::uint32_t claimed : {oneTooMany, std::uint32_t{0xFFFFFFFF}}) {
    auto hostile = request;
    WriteLe32(hostile.data() + 24, claimed);
    EXPECT_FALSE(DecodeLoginRequest(hostile.data(), hostile.size()));
  }
  auto noSeparator = request;
  noSeparator[28 + 5] = 0;
  EXPECT_FALSE(DecodeLoginRequest(noSeparator.data(), noSeparator.size()));
  EXPECT_FALSE(DecodeLoginRequest(request.data(), 27));
  request[0] = 5;
  EXPECT_FALSE(DecodeLoginRequest(request.data(), request.size()));
}

TEST(LoginDatagram, ReplyIsReadOnlyFromTheDeviceAndForThisSearch) {
  const auto accepted = EncodeLoginReply(TestId().bytes.data(), kDeviceIpv4, true);
  const auto rejected = EncodeLoginReply(TestId().bytes.data(), kDeviceIpv4, false);
  EXPECT_EQ(accepted[0], 4);
  EXPECT_EQ(0, std::memcmp(accepted.data() + 17, kDeviceIpv4, 4));
  EXPECT_EQ(Answer(accepted), 1);
  EXPECT_EQ(Answer(rejected), 0);
  EXPECT_EQ(Answer(accepted, "192.0.2.22"), std::nullopt);  // another device answered

  auto negative = accepted;
  negative[28] = 0xFF;  // read as a signed byte, still non-zero
  EXPECT_EQ(Answer(negative), -1);

  DiscoveryId other = TestId();
  other.bytes[5] ^= 1;
  const auto foreign = EncodeLoginReply(other.bytes.data(), kDeviceIpv4, true);
  EXPECT_EQ(Answer(foreign), std::nullopt);
  DiscoveryId tail = TestId();
  tail.bytes[9] = 7;  // bytes 7-10 are not compared
  const auto tailOnly = EncodeLoginReply(tail.bytes.data(), kDeviceIpv4, true);
  EXPECT_EQ(Answer(tailOnly), 1);

  auto wrongType = accepted;
  wrongType[0] = 6;
  EXPECT_EQ(Answer(wrongType), std::nullopt);
  EXPECT_EQ(ReadLoginReply(accepted.data(), 28, TestId(), "192.0.2.21"), std::nullopt);
}

TEST(SetIpDatagram, RequestLayoutByteForByte) {
  const SetIpRequest settings = Settings();
  const auto d = EncodeSetIpRequest(TestId(), kDeviceId, settings);
  ASSERT_EQ(d.size(), 180u);
  EXPECT_EQ(d[0], 5);
  EXPECT_EQ(0, std::memcmp(d.data() + 1, TestId().bytes.data(), 10));
  EXPECT_EQ(0, std::memcmp(d.data() + 11, kDeviceId, 10));
  EXPECT_EQ(d[21], 21);
  EXPECT_EQ(d[22], 0);
  EXPECT_EQ(d[23], 0);
  EXPECT_STREQ(reinterpret_cast<const char*>(d.data() + 24), "255.255.255.0");
  EXPECT_STREQ(reinterpret_cast<const char*>(d.data() + 40), "192.0.2.1");
  for (int i = 24 + 13; i < 40; ++i) EXPECT_EQ(d[i], 0) << i;
  EXPECT_EQ(ReadLe32(d.data() + 56), 120u);
  EXPECT_EQ(0, std::memcmp(d.data() + 60, &settings, 120));
  EXPECT_STREQ(reinterpret_cast<const char*>(d.data() + 60), "LAN1");
  EXPECT_STREQ(reinterpret_cast<const char*>(d.data() + 70), "192.0.2.50");
  EXPECT_EQ(d[60 + 58], '0');

  // A mask of 16 characters fills its slot without a zero and does not run into the gateway.
  SetIpRequest full = settings;
  std::memcpy(full.mask, "255.255.255.2551", 16);
  const auto f = EncodeSetIpRequest(TestId(), kDeviceId, full);
  EXPECT_EQ(0, std::memcmp(f.data() + 24, "255.255.255.2551", 16));
  EXPECT_STREQ(reinterpret_cast<const char*>(f.data() + 40), "192.0.2.1");
}

TEST(SetIpDatagram, DeviceSideReadsTheRequestBackBounded) {
  const auto request = EncodeSetIpRequest(TestId(), kDeviceId, Settings());
  const auto content = DecodeSetIpRequest(request.data(), request.size());
  ASSERT_TRUE(content);
  EXPECT_STREQ(content->settings.address, "192.0.2.50");
  EXPECT_EQ(content->settings.dhcpFlag, '0');
  EXPECT_EQ(0, std::memcmp(content->deviceId, kDeviceId, 10));

  auto unterminated = request;
  std::memset(unterminated.data() + 60, 'x', 120);
  const auto bounded = DecodeSetIpRequest(unterminated.data(), unterminated.size());
  ASSERT_TRUE(bounded);
  EXPECT_EQ(std::strlen(bounded->settings.interfaceName), 9u);
  EXPECT_EQ(std::strlen(bounded->settings.address), 15u);
  EXPECT_EQ(std::strlen(bounded->settings.mask), 15u);
  EXPECT_EQ(std::strlen(bounded->settings.gateway), 15u);

  EXPECT_FALSE(DecodeSetIpRequest(request.data(), 179));
  auto wrongType = request;
  wrongType[0] = 3;
  EXPECT_FALSE(DecodeSetIpRequest(wrongType.data(), wrongType.size()));
}

TEST(SetIpDatagram, ReplyMustAnswerThisSearch) {
  const auto reply = EncodeSetIpReply(TestId().bytes.data());
  EXPECT_EQ(reply[0], 6);
  EXPECT_TRUE(IsSetIpReply(reply.data(), reply.size(), TestId()));
  EXPECT_TRUE(IsSetIpReply(reply.data(), 7, TestId()));
  EXPECT_FALSE(IsSetIpReply(reply.data(), 6, TestId()));
  DiscoveryId other = TestId();
  other.bytes[0] ^= 0x80;
  EXPECT_FALSE(IsSetIpReply(reply.data(), reply.size(), other));
  auto login = reply;
  login[0] = 4;
  EXPECT_FALSE(IsSetIpReply(login.data(), login.size(), TestId()));
}
