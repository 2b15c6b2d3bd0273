// What the main window says after a search without a device to log in to, in each language.
#include "rules/search_advice.h"

#include <gtest/gtest.h>

#include "i18n/current_language.h"

namespace {

const std::vector<ListedAdapter> kAdapters{{"192.0.2.10", "255.255.255.0"}, {"0.0.0.0", "0.0.0.0"}};

SearchTally Tally(std::initializer_list<SearchReplyVerdict> heardOnFirst) {
  SearchTally tally;
  tally.Begin(2, {});
  tally.adapters[0].searchSent = true;
  for (SearchReplyVerdict verdict : heardOnFirst) tally.adapters[0].Count(verdict);
  return tally;
}

class SearchAdvice : public testing::Test {
 protected:
  void TearDown() override { SetLanguage(-1); }
};

TEST_F(SearchAdvice, NothingHeardNamesEachAdapterAndTheLikelyCauses) {
  EXPECT_EQ(ExplainEmptySearch(kAdapters, Tally({})),
            u"No NAS was found.\n"
            u"Adapter 192.0.2.10 (mask 255.255.255.0): search sent, 0 datagrams heard, 0 ignored.\n"
            u"Adapter 0.0.0.0 (mask 0.0.0.0): the search could not be sent.\n"
            u"Nothing at all was heard. Likely causes:\n"
            u"- a firewall on this computer blocks inbound UDP port 13579, where the devices answer\n"
            u"- the adapter is a VPN adapter that does not carry multicast (224.0.0.1), so the search never "
            u"reached the devices\n"
            u"- the device is still starting: search again in a minute");
}

TEST_F(SearchAdvice, IgnoredDatagramsAreCountedByReason) {
  SearchTally tally = Tally({SearchReplyVerdict::kOtherProduct, SearchReplyVerdict::kOtherProduct,
                             SearchReplyVerdict::kOtherSearch, SearchReplyVerdict::kTooShort});
  tally.leftOut = {{"203.0.113.4", "255.255.255.0"}};
  EXPECT_EQ(ExplainEmptySearch(kAdapters, tally),
            u"No NAS was found.\n"
            u"Adapter 192.0.2.10 (mask 255.255.255.0): search sent, 4 datagrams heard, 4 ignored.\n"
            u"Ignored: 2 of another product, 1 answering another search, 1 cut short or malformed, 0 not a "
            u"search answer.\n"
            u"Adapter 0.0.0.0 (mask 0.0.0.0): the search could not be sent.\n"
            u"Adapters left out, more than the search uses: 1.\n"
            u"Datagrams were heard, but none was a NAS of this kind answering this search.");
  SearchTally none;
  EXPECT_EQ(ExplainEmptySearch({}, none).substr(0, 71),
            u"No NAS was found.\nNo network adapter with IPv4 took part in the search.");
}

TEST_F(SearchAdvice, ChineseTextsAreFilledAfterTranslation) {
  ASSERT_TRUE(SetLanguage(kSimplifiedChineseLanguage));
  const std::u16string text = ExplainEmptySearch(kAdapters, Tally({SearchReplyVerdict::kOtherProduct}));
  EXPECT_NE(text.find(u"适配器 192.0.2.10（子网掩码 255.255.255.0）：已发送搜索，收到 1 个数据包，忽略 1 个。"),
            std::u16string::npos);
  EXPECT_EQ(OtherSubnetMark(), u"其他子网");
  ASSERT_TRUE(SetLanguage(kTraditionalChineseLanguage));
  EXPECT_NE(ExplainEmptySearch(kAdapters, Tally({})).find(u"UDP連接埠13579"), std::u16string::npos);
  EXPECT_EQ(OtherSubnetHint(), u"找到的所有NAS都在其他子網路：以admin登入後可將其移到本子網路。");
}

}  // namespace
