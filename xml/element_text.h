// The text content of one indexed element: empty for elements without an end tag and for
// elements with child elements; otherwise the content with character references decoded, where
// CDATA sections count raw and comments, processing instructions and whitespace between markup
// count for nothing.
#pragma once
#include <string>
#include <string_view>

#include "xml/element_index.h"

std::u16string ReadElementText(std::u16string_view document, const ElementEntry& element);
