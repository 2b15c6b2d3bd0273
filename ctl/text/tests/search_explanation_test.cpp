#include "ctl/text/search_explanation.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "net/testing/toy_code_page.h"

namespace {

NasDeviceInfo Device(const char* name, const char* address, int row) {
  NasDeviceInfo d{};
  std::snprintf(d.name, sizeof d.name, "%s", name);
  std::snprintf(d.address, sizeof d.address, "%s", address);
  std::snprintf(d.mask, sizeof d.mask, "255.255.255.0");
  d.adapterIndex = row;
  return d;
}

std::string Text(const std::vector<std::string>& lines) {
  std::string all;
  for (const auto& line : lines) all += line + "\n";
  return all;
}

const ToyCodePage kCodePage;

const std::vector<ListedAdapter> kTwoAdapters{{"192.0.2.10", "255.255.255.0"},
                                              {"198.51.100.10", "255.255.255.0"}};

}  // namespace

TEST(SearchExplanation, EachAdapterWithItsCountsDevicesAndOtherSubnets) {
  SearchTally tally;
  tally.Begin(2, {{"203.0.113.77", "255.255.255.240"}});
  tally.adapters[0].searchSent = true;
  for (SearchReplyVerdict v : {SearchReplyVerdict::kAccepted, SearchReplyVerdict::kAccepted,
                               SearchReplyVerdict::kOtherProduct, SearchReplyVerdict::kOtherSearch,
                               SearchReplyVerdict::kTooShort})
    tally.adapters[0].Count(v);
  const std::vector<NasDeviceInfo> devices{Device("NAS-ONE", "192.0.2.21", 0),
                                           Device("", "203.0.113.5", 0)};
  const std::string text = Text(ExplainSearch(kTwoAdapters, tally, devices, kCodePage));
  EXPECT_EQ(text,
            "adapter 1: 192.0.2.10 mask 255.255.255.0\n"
            "  search sent: yes\n"
            "  datagrams heard: 5, accepted: 2, ignored: 3\n"
            "  ignored as another product: 1, as an answer to another search: 1, as too short or "
            "malformed: 1, as not a search answer: 0\n"
            "  devices found through it: 2 (NAS-ONE 192.0.2.21, (no name) 203.0.113.5)\n"
            "  devices found on another subnet: 1 ((no name) 203.0.113.5); logging in as "
            "administrator offers to move them to this subnet\n"
            "adapter 2: 198.51.100.10 mask 255.255.255.0\n"
            "  search sent: no\n"
            "  datagrams heard: 0, accepted: 0, ignored: 0\n"
            "  ignored as another product: 0, as an answer to another search: 0, as too short or "
            "malformed: 0, as not a search answer: 0\n"
            "  devices found through it: 0\n"
            "  devices found on another subnet: 0\n"
            "adapter left out: 203.0.113.77 mask 255.255.255.240 (more adapters than the search "
            "uses)\n");
}

TEST(SearchExplanation, LongDeviceListsAreCutButCountedInFull) {
  SearchTally tally;
  tally.Begin(1, {});
  std::vector<NasDeviceInfo> devices;
  for (int i = 0; i < 300; ++i) {
    tally.adapters[0].Count(SearchReplyVerdict::kAccepted);
    devices.push_back(Device("N", "192.0.2.1", 0));
  }
  const std::string text = Text(ExplainSearch({kTwoAdapters[0]}, tally, devices, kCodePage));
  EXPECT_NE(text.find("devices found through it: 300 (N 192.0.2.1, "), std::string::npos);
  EXPECT_NE(text.find(", and 292 more)"), std::string::npos);
  EXPECT_EQ(text.find("Likely causes"), std::string::npos);
}

TEST(SearchExplanation, SilenceOrNoAdapterBringsTheLikelyCauses) {
  SearchTally tally;
  tally.Begin(1, {});
  tally.adapters[0].searchSent = true;
  const std::string silent = Text(ExplainSearch({kTwoAdapters[0]}, tally, {}, kCodePage));
  EXPECT_NE(silent.find("nothing at all was heard. Likely causes:"), std::string::npos);
  EXPECT_NE(silent.find("firewall"), std::string::npos);
  EXPECT_NE(silent.find("UDP port 13579"), std::string::npos);
  EXPECT_NE(silent.find("VPN adapter that does not carry multicast"), std::string::npos);
  EXPECT_NE(silent.find("still starting"), std::string::npos);

  tally.Begin(0, {});
  const std::string none = Text(ExplainSearch({}, tally, {}, kCodePage));
  EXPECT_EQ(none.rfind("no network adapter with IPv4 took part in the search\n", 0), 0u);
  EXPECT_NE(none.find("Likely causes"), std::string::npos);

  // A tally shorter than the table (or the other way round) explains only the rows both know.
  tally.Begin(1, {});
  EXPECT_EQ(ExplainSearch(kTwoAdapters, tally, {}, kCodePage).front(), "adapter 1: 192.0.2.10 mask 255.255.255.0");
}

TEST(SearchExplanation, DeviceNamesCannotAddLines) {
  SearchTally tally;
  tally.Begin(1, {});
  tally.adapters[0].Count(SearchReplyVerdict::kAccepted);
  const std::string text = Text(ExplainSearch(
      {kTwoAdapters[0]}, tally, {Device("A\nadapter 9: \x1b[2J", "192.0.2.21", 0)}, kCodePage));
  EXPECT_NE(text.find("(A\\nadapter 9: \\x1b[2J 192.0.2.21)"), std::string::npos) << text;
  const std::vector<Record> records = AdapterRecords({kTwoAdapters[0]}, tally);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(RecordJson(records[0]),
            R"({"address":"192.0.2.10","mask":"255.255.255.0","searchSent":0,"heard":1,)"
            R"("accepted":1,"ignored":0,"otherProduct":0,"otherSearch":0,"tooShort":0,"notAReply":0})");
}
