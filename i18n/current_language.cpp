#include "i18n/current_language.h"

#include <new>
#include <utility>

namespace {

// Not freed at exit: texts handed out by Translate may be in use until the process ends.
CLanguageBase* current = nullptr;

CLanguageBase* NewLanguage(int languageId) {
  switch (languageId) {
    case kEnglishLanguage:
      return new (std::nothrow) CLanguageEng;
    case kSimplifiedChineseLanguage:
      return new (std::nothrow) CLanguageChs;
    case kTraditionalChineseLanguage:
      return new (std::nothrow) CLanguageCht;
    default:
      return nullptr;
  }
}

}  // namespace

CLanguageBase* CurrentLanguage() { return current; }

bool SetLanguage(int languageId) {
  delete std::exchange(current, nullptr);
  current = NewLanguage(languageId);
  return current != nullptr;
}

const char16_t* Translate(const char16_t* text) {
  if (!current) return text ? text : u"";
  return current->Translate(text);
}

bool SetLanguageFromSetting(std::u16string_view value) {
  if (value == u"ENG") return SetLanguage(kEnglishLanguage);
  if (value == u"CHS") return SetLanguage(kSimplifiedChineseLanguage);
  if (value == u"CHT") return SetLanguage(kTraditionalChineseLanguage);
  return false;
}
