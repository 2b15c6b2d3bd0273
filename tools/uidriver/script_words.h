// The driver's script language, one command per line: words separated by blanks; a part of a word
// in double quotes may hold blanks and the escapes \" \\ \n (title="Two words"); '#' at the
// start of a word starts a comment.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct ScriptLine {
  std::vector<std::string> words;  // empty for a blank or comment line
  std::string error;               // why the line could not be read; empty when it could
};

ScriptLine SplitScriptLine(std::string_view line);

// A whole decimal or 0x-hexadecimal number that fits an int; nothing otherwise.
std::optional<int> ParseNumber(std::string_view text);

// A dotted IPv4 address of four whole decimal numbers 0-255 ("192.0.2.31"); nothing otherwise.
std::optional<std::array<int, 4>> ParseDottedAddress(std::string_view text);
