#include "i18n/language.h"

#include <string_view>
#include <utility>

#include "i18n/builtin_tables.h"

namespace {

constexpr char16_t kBar = u'|';
constexpr char16_t kEnglishName[] = u"English";

// Ordinal order: code unit by code unit, unsigned, a prefix before the longer text.
bool OrdinalLess(const char16_t* a, const char16_t* b) {
  return std::u16string_view(a) < std::u16string_view(b);
}

}  // namespace

CLanguageBase::CLanguageBase() : name_(kEnglishName), languageId_(0) {}

CLanguageBase::~CLanguageBase() { ClearTable(); }

bool CLanguageBase::ParseTable(const char16_t* text) {
  if (!text) return false;
  ClearTable();
  const std::size_t length = std::char_traits<char16_t>::length(text);
  buffer_ = std::make_unique<char16_t[]>(length + 1);
  std::char_traits<char16_t>::copy(buffer_.get(), text, length + 1);

  // Each bar ends the text before it; an opening bar starts a key or a value, a closing one
  // switches between the two.
  bool readingValues = false;
  bool inside = false;
  for (std::size_t i = 0; i < length; ++i) {
    if (buffer_[i] != kBar) continue;
    buffer_[i] = u'\0';
    if (!inside) {
      (readingValues ? values_ : keys_).push_back(&buffer_[i + 1]);
      inside = true;
    } else {
      inside = false;
      readingValues = !readingValues;
    }
  }
  if (keys_.size() != values_.size()) {
    ClearTable();
    return false;
  }
  for (std::size_t i = 0; i < keys_.size(); ++i)
    if (*values_[i] == u'\0') values_[i] = keys_[i];
  SortTable();
  return true;
}

void CLanguageBase::SortTable() {
  for (std::size_t i = 0; i + 1 < keys_.size(); ++i) {
    std::size_t smallest = i;
    for (std::size_t j = i + 1; j < keys_.size(); ++j)
      if (OrdinalLess(keys_[j], keys_[smallest])) smallest = j;
    std::swap(keys_[i], keys_[smallest]);
    std::swap(values_[i], values_[smallest]);
  }
}

void CLanguageBase::ClearTable() {
  keys_.clear();
  values_.clear();
  buffer_.reset();
  name_ = kEnglishName;
}

const char16_t* CLanguageBase::Translate(const char16_t* text) const {
  if (!text) return u"";
  if (keys_.empty()) return text;
  const std::u16string_view wanted(text);
  std::size_t low = 0;
  std::size_t high = keys_.size() - 1;
  while (low != high) {
    const std::size_t middle = (low + high) / 2;
    if (std::u16string_view(keys_[middle]) < wanted)
      low = middle + 1;
    else
      high = middle;
  }
  return std::u16string_view(keys_[low]) == wanted ? values_[low] : text;
}

void CLanguageBase::LoadAs(std::u16string name, std::int32_t languageId) {
  if (!LoadTable()) return;
  name_ = std::move(name);
  languageId_ = languageId;
}

const char16_t kEnglishTable[] = u"|Snapshot||Snapshot|";

CLanguageEng::CLanguageEng() { LoadAs(kEnglishName, 0); }
bool CLanguageEng::LoadTable() { return ParseTable(kEnglishTable); }

CLanguageChs::CLanguageChs() { LoadAs(u"简体中文", 1); }
bool CLanguageChs::LoadTable() { return ParseTable(kSimplifiedChineseTable); }

CLanguageCht::CLanguageCht() { LoadAs(u"繁體中文", 2); }
bool CLanguageCht::LoadTable() { return ParseTable(kTraditionalChineseTable); }
