// Translated texts that carry numbers too large for the platform's printf "%d" (an int): a 4 TiB
// volume has 4096 GiB, a device may report far more.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// Fills the "%d" fields of `format`, in order, with the decimal text of `numbers`; "%%" gives "%"
// and everything else stays as written. A field without a number left is kept as "%d".
std::wstring FillNumberFields(std::wstring_view format, std::initializer_list<std::int64_t> numbers);
