// What every answer parser does with an answer: decode it, load it, take texts and numbers out
// of its elements, and store texts into fixed fields without running past them.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/ansi_code_page.h"
#include "xml/xml_navigator.h"

// The answer as the reader sees it: up to its first zero byte, as the receive buffer ends.
std::string_view AnswerBytes(std::string_view answer);

// Loads the answer decoded in the ANSI code page; true when the document is well-formed.
bool LoadAnswer(XmlNavigator& reader, std::string_view answer, const AnsiCodePage& codePage);

// The share answer's own UTF-8 reading. Any byte of 0xF0 or above fails the whole text (empty).
// Otherwise a byte below 0x80 is one character; a lead byte 110xxxxx takes one continuation
// byte, every other lead byte (0x80-0xBF included) two. A missing continuation byte ends the
// text after the last whole character.
std::u16string DecodeShareText(std::string_view bytes);

// The decimal number a text starts with, the way the device's numbers have always been read:
// leading white space and a sign allowed, digits up to the first other character, 0 for none.
// Values beyond the 32-bit range stop at its ends.
std::int32_t NumberFromText(std::u16string_view text);
// The same read into 64 bits, stopping at their ends.
std::int64_t LongNumberFromText(std::u16string_view text);

// The text of the next child named `name` of the main element (the search continues after the
// child found last); nothing when there is none, so a missing element cannot hand out the text
// of the one found before it.
std::optional<std::u16string> NextChildText(XmlNavigator& reader, std::u16string_view name);
// Its number; 0 when the child is missing.
std::int32_t NextChildNumber(XmlNavigator& reader, std::u16string_view name);
std::int64_t NextChildLongNumber(XmlNavigator& reader, std::u16string_view name);

// Stores `text` in the ANSI code page into a field of `size` bytes: zero-filled, and cut at a
// character boundary so that the text and its zero fit. True when the whole text fitted.
bool StoreInField(const AnsiCodePage& codePage, std::u16string_view text, char* field,
                  std::size_t size);
template <std::size_t N>
bool StoreInField(const AnsiCodePage& codePage, std::u16string_view text, char (&field)[N]) {
  return StoreInField(codePage, text, field, N);
}
