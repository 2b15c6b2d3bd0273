#include "sim/form_data.h"

namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string DecodeFormText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '+') {
      out += ' ';
    } else if (c == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 &&
               HexValue(text[i + 2]) >= 0) {
      out += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
      i += 2;
    } else {
      out += c;
    }
  }
  return out;
}

FormData FormData::Parse(std::string_view body) {
  FormData form;
  while (!body.empty()) {
    const auto end = body.find('&');
    const std::string_view part = body.substr(0, end);
    body.remove_prefix(end == std::string_view::npos ? body.size() : end + 1);
    if (part.empty()) continue;
    const auto equals = part.find('=');
    form.fields_.emplace_back(DecodeFormText(part.substr(0, equals)),
                              equals == std::string_view::npos
                                  ? std::string()
                                  : DecodeFormText(part.substr(equals + 1)));
  }
  return form;
}

std::string FormData::Value(std::string_view name) const {
  for (const auto& [field, value] : fields_)
    if (field == name) return value;
  return {};
}
