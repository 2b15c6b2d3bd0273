#include "net/search_tally.h"

#include <numeric>

void AdapterTally::Count(SearchReplyVerdict verdict) {
  ++heard;
  switch (verdict) {
    case SearchReplyVerdict::kAccepted: ++accepted; break;
    case SearchReplyVerdict::kNotAReply: ++notAReply; break;
    case SearchReplyVerdict::kTooShort: ++tooShort; break;
    case SearchReplyVerdict::kOtherSearch: ++otherSearch; break;
    case SearchReplyVerdict::kOtherProduct: ++otherProduct; break;
  }
}

void SearchTally::Begin(int rows, std::vector<ListedAdapter> adaptersLeftOut) {
  adapters.assign(static_cast<std::size_t>(rows > 0 ? rows : 0), AdapterTally{});
  leftOut = std::move(adaptersLeftOut);
}

int SearchTally::Heard() const {
  return std::accumulate(adapters.begin(), adapters.end(), 0,
                         [](int sum, const AdapterTally& a) { return sum + a.heard; });
}

SearchTally& LastSearchTally() {
  static SearchTally tally;
  return tally;
}
