// The built-in translation tables, in the pair text that CLanguageBase::ParseTable reads.
#pragma once

extern const char16_t kEnglishTable[];
extern const char16_t kSimplifiedChineseTable[];
extern const char16_t kTraditionalChineseTable[];
