#include "sim/discovery_responder.h"

#include <gtest/gtest.h>

#include <map>

#include "net/datagram.h"

namespace {

DeviceState Device(const char* address) {
  DeviceState d;
  d.name = "NAS";
  d.address = address;
  d.mask = "255.255.255.0";
  d.mac = {1, 2, 3, 4, 5, static_cast<std::uint8_t>(address[10])};
  return d;
}

std::vector<std::uint8_t> Request() {
  DiscoveryId id;
  id.bytes = {9, 8, 7, 6, 5, 4, 0, 0, 0, 0};
  return EncodeSearchRequest(id);
}

// Runs the loop until every scheduled answer went out.
std::vector<std::vector<std::uint8_t>> Answers(std::vector<DeviceState> devices) {
  EventLoop loop;
  std::vector<std::vector<std::uint8_t>> sent;
  DiscoveryResponder responder(devices, loop, [&](const auto& d) { sent.push_back(d); });
  responder.OnSearch(Request());
  loop.After(400, [&loop] { loop.Stop(); });
  loop.Run();
  return sent;
}

}  // namespace

TEST(DiscoveryResponder, AnswersInDelayOrderWithTheRequestersIdentifier) {
  std::vector<DeviceState> devices{Device("192.0.2.21"), Device("192.0.2.22")};
  devices[0].search.delayMs = 150;
  const auto sent = Answers(devices);
  ASSERT_EQ(sent.size(), 2u);
  SearchReplyFields f;
  DiscoveryId id;
  id.bytes = {9, 8, 7, 6, 5, 4, 0, 0, 0, 0};
  ASSERT_TRUE(DecodeSearchReply(sent[0].data(), sent[0].size(), id, kProductBytes, f));
  EXPECT_STREQ(f.address, "192.0.2.22");
  ASSERT_TRUE(DecodeSearchReply(sent[1].data(), sent[1].size(), id, kProductBytes, f));
  EXPECT_STREQ(f.address, "192.0.2.21");
}

TEST(DiscoveryResponder, FaultsShapeTheAnswersAsTheSearchSeesThem) {
  std::vector<DeviceState> devices{Device("192.0.2.21"), Device("192.0.2.22"),
                                   Device("192.0.2.23"), Device("192.0.2.24"),
                                   Device("192.0.2.25")};
  devices[0].search.silent = true;
  devices[1].search.answers = 3;
  devices[2].search.foreignModel = true;
  devices[3].search.wrongId = true;
  devices[4].search.truncated = true;
  const auto sent = Answers(devices);
  ASSERT_EQ(sent.size(), 6u);
  DiscoveryId id;
  id.bytes = {9, 8, 7, 6, 5, 4, 0, 0, 0, 0};
  std::map<SearchReplyVerdict, int> verdicts;
  for (const auto& d : sent) ++verdicts[ClassifySearchReply(d.data(), d.size(), id, kProductBytes)];
  EXPECT_EQ(verdicts, (std::map<SearchReplyVerdict, int>{{SearchReplyVerdict::kAccepted, 3},
                                                         {SearchReplyVerdict::kOtherProduct, 1},
                                                         {SearchReplyVerdict::kOtherSearch, 1},
                                                         {SearchReplyVerdict::kTooShort, 1}}));
}
