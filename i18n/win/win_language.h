// The language layer as the windows use it: wide strings, and the start-up choice of language.
#pragma once
#include <string>

#include "settings/win/settings_file.h"

// The wide text to show for an English source text (see i18n/current_language.h): as written
// while no language is set. Format strings go through here before they are filled.
std::wstring Tr(const wchar_t* english);

// The translation of `englishFormat` filled with the arguments by the platform's own wide printf,
// where "%s" takes a wide string (the C library's std::swprintf would take a narrow one). The
// result is cut at 1023 characters.
std::wstring TrFormat(const wchar_t* englishFormat, ...);

// Start-up: makes the language that the settings file's "Language" key names current. With no
// value, or any value but "ENG", "CHS" and "CHT", no language is set and the texts stay English.
// Returns whether a language was set.
bool ApplyLanguageSetting(SettingsFile& settings = ProcessSettings());
