#include "sim/flood.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "net/datagram.h"

TEST(Flood, SpoofedRepliesAreAcceptedAnswersFromDevicesOfTheirOwn) {
  const DiscoveryId id = MakeDiscoveryId(7);
  const std::vector<std::uint8_t> request = EncodeSearchRequest(id);
  std::set<std::string> macs;
  for (unsigned serial : {1u, 2u, 255u, 256u, 65536u, 50000u}) {
    const std::vector<std::uint8_t> reply = SpoofedReply(request, serial);
    SearchReplyFields fields;
    ASSERT_TRUE(DecodeSearchReply(reply.data(), reply.size(), id, kProductBytes, fields)) << serial;
    EXPECT_EQ(std::string(fields.name), "SPOOF-" + std::to_string(serial));
    macs.insert(fields.macText);
  }
  EXPECT_EQ(macs.size(), 6u);
}

TEST(Flood, OtherDatagramsAreNoAnswers) {
  const DiscoveryId id = MakeDiscoveryId(7);
  SearchReplyFields fields;
  const auto search = ForeignSearch(8);
  EXPECT_FALSE(DecodeSearchReply(search.data(), search.size(), id, kProductBytes, fields));
  const auto large = LargeDatagram(5000);
  EXPECT_EQ(large.size(), 5000u);
  EXPECT_FALSE(DecodeSearchReply(large.data(), large.size(), id, kProductBytes, fields));
}

TEST(Flood, RunsOnlyOnTheTestLansNetworks) {
  for (const char* inside : {"192.0.2.30", "198.51.100.1", "203.0.113.254"})
    EXPECT_TRUE(IsTestLanAddress(inside)) << inside;
  for (const char* outside : {"10.0.0.1", "192.0.3.1", "198.51.101.1", "203.0.112.9", "127.0.0.1",
                              "224.0.0.1", "192.0.2", "nonsense"})
    EXPECT_FALSE(IsTestLanAddress(outside)) << outside;
}
