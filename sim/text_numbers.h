// Strict reading of the decimal numbers of the configuration and of the commands' forms: a value
// with anything else in it (blanks, a sign where none belongs, a unit) is refused, not guessed at.
#pragma once
#include <climits>
#include <optional>
#include <string_view>

// Digits only, at most `max`.
std::optional<int> ReadCount(std::string_view text, int max = INT_MAX);

// Digits with an optional leading '-'.
std::optional<int> ReadInteger(std::string_view text);
