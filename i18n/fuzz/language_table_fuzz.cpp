// Parses arbitrary UTF-16 as a language table, then looks up every run of text between bars (the
// keys a table may hold, and texts that are no key) and a few fixed ones.
#include <algorithm>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_input.h"
#include "i18n/language.h"

namespace {

class FuzzedLanguage final : public CLanguageBase {
public:
  bool LoadTable() override { return false; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::u16string text = FuzzUtf16(std::string_view(reinterpret_cast<const char*>(data), size));
  FuzzedLanguage language;
  const bool parsed = language.ParseTable(text.c_str());
  const std::u16string_view used(text.c_str());
  const auto bars = static_cast<std::size_t>(std::count(used.begin(), used.end(), u'|'));
  // Four bars a pair, the last value's closing bar may be missing.
  FuzzRequire(language.PairCount() * 4 <= bars + 1, "more pairs than bars allow");
  FuzzRequire(parsed || language.PairCount() == 0, "a failed parse kept pairs");
  FuzzRequire(language.Name() == u"English", "a parsed table renamed the language");

  for (std::size_t from = 0; from <= used.size();) {
    const std::size_t bar = std::min(used.find(u'|', from), used.size());
    const std::u16string probe(used.substr(from, bar - from));
    const char16_t* translated = language.Translate(probe.c_str());
    FuzzRequire(translated != nullptr, "no translation");
    FuzzRequire(std::u16string_view(translated).size() <= used.size() ||
                    translated == probe.c_str(),
                "a translation longer than the table");
    from = bar + 1;
  }
  FuzzRequire(*language.Translate(nullptr) == u'\0', "a null text translated");
  return 0;
}
