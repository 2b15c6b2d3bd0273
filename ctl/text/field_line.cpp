#include "ctl/text/field_line.h"

std::string JoinFields(const std::vector<std::string_view>& fields) {
  std::string line;
  bool first = true;
  for (std::string_view field : fields) {
    if (!first) line += '\t';
    first = false;
    line += field;
  }
  return line;
}
