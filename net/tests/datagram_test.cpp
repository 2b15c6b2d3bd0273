#include "net/datagram.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

DiscoveryId TestId() {
  DiscoveryId id;
  for (int i = 0; i < 6; ++i) id.bytes[i] = static_cast<std::uint8_t>(0xA0 + i);
  return id;
}

SearchReplyContent SampleDevice() {
  SearchReplyContent c;
  c.mac = {0x00, 0x1b, 0xAC, 0x01, 0x02, 0xFF};
  c.ipv4 = {192, 0, 2, 21};
  c.dhcpFlag = '1';
  c.mask = "255.255.255.0";
  c.gateway = "192.0.2.1";
  c.text = "firmware 1.2";
  c.name = "NAS-ONE";
  return c;
}

std::vector<std::uint8_t> Reply(const SearchReplyContent& c, const DiscoveryId& id) {
  return EncodeSearchReply(c, id.bytes.data());
}

bool Decode(const std::vector<std::uint8_t>& d, SearchReplyFields& out,
            const DiscoveryId& id = TestId()) {
  return DecodeSearchReply(d.data(), d.size(), id, kProductBytes, out);
}

}  // namespace

TEST(SearchDatagram, RequestIsTypeOneAndTheIdentifier) {
  DiscoveryId id = TestId();
  id.bytes[9] = 0x5A;
  const auto request = EncodeSearchRequest(id);
  ASSERT_EQ(request.size(), 11u);
  EXPECT_EQ(request[0], 1);
  EXPECT_EQ(0, std::memcmp(request.data() + 1, id.bytes.data(), 10));
}

TEST(SearchDatagram, IdentifierHasSixGeneratedBytesAndFourZeros) {
  const DiscoveryId a = MakeDiscoveryId(1000);
  const DiscoveryId b = MakeDiscoveryId(1000);
  const DiscoveryId c = MakeDiscoveryId(1001);
  EXPECT_EQ(a.bytes, b.bytes);  // same second, same identifier: seeded by the time
  EXPECT_NE(a.bytes, c.bytes);
  for (int i = 6; i < 10; ++i) EXPECT_EQ(a.bytes[i], 0);
}

TEST(SearchDatagram, ReplyLayoutByteForByte) {
  const auto d = Reply(SampleDevice(), TestId());
  ASSERT_EQ(d.size(), 104u + 7u);
  EXPECT_EQ(d[0], 8);
  EXPECT_EQ(0, std::memcmp(d.data() + 1, TestId().bytes.data(), 10));
  const std::uint8_t mac[] = {0x00, 0x1b, 0xAC, 0x01, 0x02, 0xFF};
  EXPECT_EQ(0, std::memcmp(d.data() + 11, mac, 6));
  const std::uint8_t ip[] = {192, 0, 2, 21};
  EXPECT_EQ(0, std::memcmp(d.data() + 17, ip, 4));
  EXPECT_EQ(d[21], '1');
  EXPECT_STREQ(reinterpret_cast<const char*>(d.data() + 24), "255.255.255.0");
  EXPECT_STREQ(reinterpret_cast<const char*>(d.data() + 40), "192.0.2.1");
  EXPECT_EQ(d[56], 0);
  EXPECT_EQ(d[57], 11);
  EXPECT_EQ(d[58], 0);
  EXPECT_STREQ(reinterpret_cast<const char*>(d.data() + 68), "firmware 1.2");
  EXPECT_EQ(ReadLe32(d.data() + 100), 7u);
  EXPECT_EQ(0, std::memcmp(d.data() + 104, "NAS-ONE", 7));
}

TEST(SearchDatagram, DecodesEveryFieldOfAGoodReply) {
  SearchReplyFields f;
  ASSERT_TRUE(Decode(Reply(SampleDevice(), TestId()), f));
  EXPECT_STREQ(f.name, "NAS-ONE");
  EXPECT_STREQ(f.address, "192.0.2.21");
  EXPECT_STREQ(f.mask, "255.255.255.0");
  EXPECT_STREQ(f.gateway, "192.0.2.1");
  EXPECT_STREQ(f.dhcpFlag, "1");
  EXPECT_STREQ(f.macText, "00:1b:ac:01:02:ff");  // lower-case hex
  EXPECT_STREQ(f.text, "firmware 1.2");
  const std::uint8_t id[] = {0x00, 0x1b, 0xAC, 0x01, 0x02, 0xFF, 192, 0, 2, 21};
  EXPECT_EQ(0, std::memcmp(f.deviceId, id, 10));
}

TEST(SearchDatagram, RejectsOtherTypesOtherSearchesAndOtherProducts) {
  SearchReplyFields f;
  auto d = Reply(SampleDevice(), TestId());
  d[0] = 4;
  EXPECT_FALSE(Decode(d, f));

  d = Reply(SampleDevice(), TestId());
  d[6] ^= 1;  // last checked identifier byte
  EXPECT_FALSE(Decode(d, f));

  d = Reply(SampleDevice(), TestId());
  d[7] ^= 1;  // identifier bytes 6-9 (offsets 7-10) are not compared
  d[10] ^= 1;
  EXPECT_TRUE(Decode(d, f));

  for (int offset : {56, 57, 58}) {
    d = Reply(SampleDevice(), TestId());
    d[offset] = 12;
    EXPECT_FALSE(Decode(d, f)) << offset;
  }
  EXPECT_FALSE(Decode(std::vector<std::uint8_t>(), f));
}

TEST(SearchDatagram, HostileLengthsAndTextsAreCopiedBounded) {
  SearchReplyFields f;
  // A name length far beyond what arrived: only the bytes received are taken.
  auto d = Reply(SampleDevice(), TestId());
  WriteLe32(d.data() + 100, 0xFFFFFFF0u);
  ASSERT_TRUE(Decode(d, f));
  EXPECT_STREQ(f.name, "NAS-ONE");

  // A name of 300 bytes is cut to the field's 255.
  SearchReplyContent longName = SampleDevice();
  longName.name.clear();
  d = Reply(longName, TestId());
  d.resize(104 + 300, 'n');
  WriteLe32(d.data() + 100, 300);
  ASSERT_TRUE(Decode(d, f));
  EXPECT_EQ(std::strlen(f.name), 255u);

  // Text slots with no zero inside them stop at the slot's end.
  d = Reply(SampleDevice(), TestId());
  std::memset(d.data() + 24, '9', 16);
  std::memset(d.data() + 40, '8', 16);
  std::memset(d.data() + 68, 't', 32);
  ASSERT_TRUE(Decode(d, f));
  EXPECT_EQ(std::string(f.mask), std::string(15, '9'));
  EXPECT_EQ(std::string(f.gateway), std::string(15, '8'));
  EXPECT_EQ(std::string(f.text), std::string(31, 't'));

  // A datagram that stops right after the product bytes reads as zeros beyond its end.
  d = Reply(SampleDevice(), TestId());
  d.resize(59);
  ASSERT_TRUE(Decode(d, f));
  EXPECT_STREQ(f.name, "");
  EXPECT_STREQ(f.text, "");

  // A whole 4096-byte datagram decodes without needing room after it.
  d = Reply(SampleDevice(), TestId());
  d.resize(kDatagramCapacity, 'x');
  WriteLe32(d.data() + 100, 4096);
  ASSERT_TRUE(Decode(d, f));
  EXPECT_EQ(std::strlen(f.name), 255u);
}

TEST(SearchDatagram, EmptyNameAndOverlongDeviceTextsOnTheDeviceSide) {
  SearchReplyContent c = SampleDevice();
  c.name.clear();
  c.mask = std::string(40, '1');
  SearchReplyFields f;
  const auto d = Reply(c, TestId());
  ASSERT_TRUE(Decode(d, f));
  EXPECT_STREQ(f.name, "");
  EXPECT_EQ(std::strlen(f.mask), 15u);
  EXPECT_EQ(d[39], 0);  // the slot keeps its terminating zero
}
