// The fields of an application/x-www-form-urlencoded body, decoded as a web server decodes them.
#pragma once
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class FormData {
public:
  // Splits at '&' into name=value pairs (a part without '=' is a name with an empty value) and
  // decodes each side: '+' is a space, %XX the byte of those two hex digits. A '%' not followed by
  // two hex digits is kept as it is. Empty parts are skipped.
  static FormData Parse(std::string_view body);

  // The value of the first field of that name; empty when there is none.
  std::string Value(std::string_view name) const;
  const std::vector<std::pair<std::string, std::string>>& Fields() const { return fields_; }

private:
  std::vector<std::pair<std::string, std::string>> fields_;  // in body order, repeats kept
};

std::string DecodeFormText(std::string_view text);
