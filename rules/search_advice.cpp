#include "rules/search_advice.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>

#include "i18n/current_language.h"

namespace {

std::u16string Widened(std::string_view ascii) { return {ascii.begin(), ascii.end()}; }

std::u16string Shown(std::u16string_view english) {
  const std::u16string key(english);
  return Translate(key.c_str());
}

// The translation of `english` with each "%s" and "%d" replaced by the next argument, in order.
std::u16string Filled(std::u16string_view english, std::initializer_list<std::u16string> arguments) {
  const std::u16string format = Shown(english);
  std::u16string text;
  auto next = arguments.begin();
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] == u'%' && i + 1 < format.size() && (format[i + 1] == u's' || format[i + 1] == u'd') &&
        next != arguments.end()) {
      text += *next++;
      ++i;
    } else {
      text += format[i];
    }
  }
  return text;
}

std::u16string Number(int value) { return Widened(std::to_string(value)); }

void ExplainAdapter(std::u16string& text, const ListedAdapter& adapter, const AdapterTally& tally) {
  const std::u16string address = Widened(adapter.address), mask = Widened(adapter.mask);
  if (!tally.searchSent) {
    text += Filled(u"Adapter %s (mask %s): the search could not be sent.", {address, mask}) + u"\n";
    return;
  }
  text += Filled(u"Adapter %s (mask %s): search sent, %d datagrams heard, %d ignored.",
                 {address, mask, Number(tally.heard), Number(tally.Ignored())}) +
          u"\n";
  if (tally.Ignored() > 0)
    text += Filled(u"Ignored: %d of another product, %d answering another search, %d cut short or "
                   u"malformed, %d not a search answer.",
                   {Number(tally.otherProduct), Number(tally.otherSearch), Number(tally.tooShort),
                    Number(tally.notAReply)}) +
            u"\n";
}

}  // namespace

std::u16string ExplainEmptySearch(const std::vector<ListedAdapter>& adapters, const SearchTally& tally) {
  std::u16string text = Shown(u"No NAS was found.") + u"\n";
  const std::size_t rows = std::min(adapters.size(), tally.adapters.size());
  if (rows == 0) text += Shown(u"No network adapter with IPv4 took part in the search.") + u"\n";
  for (std::size_t row = 0; row < rows; ++row) ExplainAdapter(text, adapters[row], tally.adapters[row]);
  if (!tally.leftOut.empty())
    text += Filled(u"Adapters left out, more than the search uses: %d.",
                   {Number(static_cast<int>(tally.leftOut.size()))}) +
            u"\n";
  if (tally.Heard() == 0) {
    text += Shown(u"Nothing at all was heard. Likely causes:") + u"\n";
    for (std::string_view cause : kSilenceCauses) text += u"- " + Shown(Widened(cause)) + u"\n";
  } else {
    text += Shown(u"Datagrams were heard, but none was a NAS of this kind answering this search.") + u"\n";
  }
  text.pop_back();
  return text;
}

std::u16string OtherSubnetHint() {
  return Shown(u"Every NAS found is on another subnet: logging in as admin offers to move it to this subnet.");
}

std::u16string OtherSubnetMark() { return Shown(u"other subnet"); }
