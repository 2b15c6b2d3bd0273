#include "rules/page_checks.h"

int FieldWithForbiddenCharacter(std::u16string_view forbidden, std::initializer_list<std::u16string_view> fields) {
  for (const char16_t character : forbidden) {
    int index = 0;
    for (const std::u16string_view field : fields) {
      if (!field.empty() && field.find(character) != std::u16string_view::npos) return index;
      ++index;
    }
  }
  return -1;
}
