// Output of the console tool: device texts go out as the bytes they are, messages as UTF-8.
#pragma once
#include <string>
#include <string_view>

void PrintLine(std::string_view narrowText);
void PrintError(std::wstring_view text);
void UsePlainLineEnds();
// Routes the network layer's user messages to standard error.
void UseConsoleForUserMessages();
