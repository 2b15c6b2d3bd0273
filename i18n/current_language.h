// The language of the run. Every shown text is an English source text: while no language is set
// it is shown as written, else through Translate. A text with placeholders is translated before
// it is filled, and the translation serves as the format.
#pragma once
#include <string_view>

#include "i18n/language.h"

inline constexpr int kEnglishLanguage = 0;
inline constexpr int kSimplifiedChineseLanguage = 1;
inline constexpr int kTraditionalChineseLanguage = 2;

// The language chosen at start-up, null while none is. It is set before any worker thread starts
// and then only read, so no lock guards it.
CLanguageBase* CurrentLanguage();

// Destroys the current language, then makes the language with this id current. An unknown id,
// or a language that cannot be allocated, leaves none set and gives false.
bool SetLanguage(int languageId);

// The text to show for an English source text: its translation in the current language, the text
// itself while none is set or the table lacks it; the empty string for a null text.
const char16_t* Translate(const char16_t* text);

// Sets the language that the settings file's "Language" value names: "ENG", "CHS" or "CHT",
// exactly (case-sensitive). Any other value sets nothing and gives false.
bool SetLanguageFromSetting(std::u16string_view value);
