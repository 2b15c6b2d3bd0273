#include "i18n/win/win_language.h"

#include <cstdarg>
#include <cstdio>
#include <iterator>

#include "base/win/ansi_text.h"
#include "i18n/current_language.h"
#include "settings/setting_names.h"

std::wstring Tr(const wchar_t* english) {
  if (!english) return {};
  if (!CurrentLanguage()) return english;
  const std::u16string key = ToU16(english);
  return ToWide(Translate(key.c_str()));
}

std::wstring TrFormat(const wchar_t* englishFormat, ...) {
  const std::wstring format = Tr(englishFormat);
  wchar_t text[1024];
  std::va_list arguments;
  va_start(arguments, englishFormat);
  const int length = _vsnwprintf(text, std::size(text) - 1, format.c_str(), arguments);
  va_end(arguments);
  text[std::size(text) - 1] = L'\0';  // not written when the text did not fit
  return length < 0 ? std::wstring(text) : std::wstring(text, static_cast<std::size_t>(length));
}

bool ApplyLanguageSetting(SettingsFile& settings) {
  std::wstring value;
  if (!settings.Read(kLanguageSetting.section, kLanguageSetting.key, value)) return false;
  return SetLanguageFromSetting(ToU16(value));
}
