// Output of the console tool: device texts go out as the bytes they are, messages as UTF-8.
#pragma once
#include <string>
#include <string_view>

void PrintLine(std::string_view narrowText);
// Texts of the windows' kind (UTF-16) as UTF-8, the way messages are printed.
std::string ToUtf8(std::wstring_view text);
void PrintError(std::wstring_view text);
void UsePlainLineEnds();
// Routes the network layer's user messages to standard error.
void UseConsoleForUserMessages();
