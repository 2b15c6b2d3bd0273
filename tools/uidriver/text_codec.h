// Scripts and the driver's output are UTF-8; the windows speak UTF-16.
#pragma once
#include <string>
#include <string_view>

std::wstring FromUtf8(std::string_view text);
std::string ToUtf8(std::wstring_view text);
