// What a search counts and whom it listens through: the reasons a datagram is ignored, the choice
// of adapters when there are more than rows, and the subnet rule.
#include <gtest/gtest.h>

#include "net/adapter_choice.h"
#include "net/nas_device.h"
#include "net/search_tally.h"

namespace {

DiscoveryId OurId() {
  DiscoveryId id;
  for (int i = 0; i < 6; ++i) id.bytes[i] = static_cast<std::uint8_t>(0x30 + i);
  return id;
}

std::vector<std::uint8_t> GoodReply() {
  SearchReplyContent c;
  c.ipv4 = {192, 0, 2, 21};
  c.name = "NAS";
  return EncodeSearchReply(c, OurId().bytes.data());
}

SearchReplyVerdict Verdict(const std::vector<std::uint8_t>& d) {
  return ClassifySearchReply(d.data(), d.size(), OurId(), kProductBytes);
}

std::vector<std::uint8_t> Cut(std::vector<std::uint8_t> d, std::size_t length) {
  d.resize(length);
  return d;
}

}  // namespace

TEST(SearchReplyVerdicts, EachRefusalHasItsReasonAndAcceptanceIsUnchanged) {
  auto d = GoodReply();
  EXPECT_EQ(Verdict(d), SearchReplyVerdict::kAccepted);
  d[0] = kSearchRequestType;  // another computer's search, heard on the group
  EXPECT_EQ(Verdict(d), SearchReplyVerdict::kNotAReply);
  d = GoodReply();
  d[3] ^= 0x40;
  EXPECT_EQ(Verdict(d), SearchReplyVerdict::kOtherSearch);
  d = GoodReply();
  d[57] = 12;
  EXPECT_EQ(Verdict(d), SearchReplyVerdict::kOtherProduct);
  EXPECT_EQ(Verdict({}), SearchReplyVerdict::kNotAReply);

  // Cut answers: refused as too short, not as another search or product. Missing bytes still read
  // as zero, so one that ends after byte 57 passes as before (byte 58 is expected to be zero).
  EXPECT_EQ(Verdict(Cut(GoodReply(), 4)), SearchReplyVerdict::kTooShort);
  EXPECT_EQ(Verdict(Cut(GoodReply(), 48)), SearchReplyVerdict::kTooShort);
  EXPECT_EQ(Verdict(Cut(GoodReply(), 57)), SearchReplyVerdict::kTooShort);
  EXPECT_EQ(Verdict(Cut(GoodReply(), 58)), SearchReplyVerdict::kAccepted);
  SearchReplyFields fields;
  const auto shortest = Cut(GoodReply(), 58);
  EXPECT_TRUE(DecodeSearchReply(shortest.data(), shortest.size(), OurId(), kProductBytes, fields));
  EXPECT_STREQ(fields.name, "");
  // A wrong identifier in a long enough datagram stays "another search", even when cut later.
  d = Cut(GoodReply(), 20);
  d[1] ^= 1;
  EXPECT_EQ(Verdict(d), SearchReplyVerdict::kOtherSearch);
}

TEST(SearchTallies, CountEveryDatagramOnceUnderItsReason) {
  SearchTally tally;
  tally.Begin(2, {{"203.0.113.9", "255.255.255.0"}});
  AdapterTally& first = tally.adapters[0];
  for (SearchReplyVerdict v : {SearchReplyVerdict::kAccepted, SearchReplyVerdict::kAccepted,
                               SearchReplyVerdict::kOtherProduct, SearchReplyVerdict::kOtherSearch,
                               SearchReplyVerdict::kTooShort, SearchReplyVerdict::kNotAReply})
    first.Count(v);
  EXPECT_EQ(first.heard, 6);
  EXPECT_EQ(first.accepted, 2);
  EXPECT_EQ(first.Ignored(), 4);
  EXPECT_EQ(first.otherProduct + first.otherSearch + first.tooShort + first.notAReply, 4);
  EXPECT_EQ(tally.Heard(), 6);
  ASSERT_EQ(tally.leftOut.size(), 1u);

  // The next search starts from nothing.
  tally.adapters[1].searchSent = true;
  tally.Begin(1, {});
  ASSERT_EQ(tally.adapters.size(), 1u);
  EXPECT_FALSE(tally.adapters[0].searchSent);
  EXPECT_EQ(tally.Heard(), 0);
  EXPECT_TRUE(tally.leftOut.empty());
  tally.Begin(-1, {});
  EXPECT_TRUE(tally.adapters.empty());
}

TEST(AdapterChoice, ConnectedAdaptersFillTheRowsBeforeUnconnectedOnes) {
  const std::vector<ListedAdapter> listed{{"0.0.0.0", "0.0.0.0"},
                                          {"192.0.2.10", "255.255.255.0"},
                                          {"0.0.0.0", "0.0.0.0"},
                                          {"198.51.100.10", "255.255.255.0"},
                                          {"203.0.113.10", "255.255.255.0"}};
  const auto addresses = [](const std::vector<ListedAdapter>& adapters) {
    std::vector<std::string> out;
    for (const auto& a : adapters) out.push_back(a.address);
    return out;
  };
  AdapterChoice all = ChooseAdapters(listed, 8);
  EXPECT_EQ(addresses(all.taking), (std::vector<std::string>{"192.0.2.10", "198.51.100.10",
                                                             "203.0.113.10", "0.0.0.0", "0.0.0.0"}));
  EXPECT_TRUE(all.leftOut.empty());

  AdapterChoice two = ChooseAdapters(listed, 2);
  EXPECT_EQ(addresses(two.taking), (std::vector<std::string>{"192.0.2.10", "198.51.100.10"}));
  EXPECT_EQ(addresses(two.leftOut),
            (std::vector<std::string>{"203.0.113.10", "0.0.0.0", "0.0.0.0"}));
  EXPECT_TRUE(ChooseAdapters({}, 8).taking.empty());
}

TEST(SubnetRule, EachAddressIsMaskedWithItsOwnMask) {
  EXPECT_TRUE(SameSubnet("192.0.2.10", "255.255.255.0", "192.0.2.200", "255.255.255.0"));
  EXPECT_FALSE(SameSubnet("192.0.2.10", "255.255.255.0", "198.51.100.23", "255.255.255.0"));
  // A device that reports a wider mask than the adapter's is not on the adapter's subnet.
  EXPECT_FALSE(SameSubnet("192.0.2.10", "255.255.255.0", "192.0.2.20", "255.255.0.0"));
  EXPECT_FALSE(SameSubnet("192.0.2.10", "255.255.255.0", "garbage", "255.255.255.0"));
}
