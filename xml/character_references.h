// Decoding of character references in element text: "&name;" from the named table, "&#65;" and
// "&#x41;". An '&' that does not start a complete, known reference to a code point up to
// U+10FFFF is an ordinary character.
#pragma once
#include <string>
#include <string_view>

void AppendDecoded(std::u16string& out, std::u16string_view text);
