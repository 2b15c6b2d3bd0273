#include "i18n/number_fields.h"

std::wstring FillNumberFields(std::wstring_view format, std::initializer_list<std::int64_t> numbers) {
  std::wstring text;
  auto next = numbers.begin();
  for (std::size_t at = 0; at < format.size(); ++at) {
    if (format[at] != L'%' || at + 1 == format.size()) {
      text += format[at];
    } else if (format[at + 1] == L'%') {
      text += L'%';
      ++at;
    } else if (format[at + 1] == L'd' && next != numbers.end()) {
      const std::string digits = std::to_string(*next++);
      text.append(digits.begin(), digits.end());
      ++at;
    } else {
      text += format[at];
    }
  }
  return text;
}
