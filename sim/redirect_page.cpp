#include "sim/redirect_page.h"

#include <cstdio>

#include "sim/form_data.h"

namespace {
std::string Escaped(const std::string& bytes) {
  std::string out;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte > 0x7E || c == '%') {
      char escape[4];
      std::snprintf(escape, sizeof escape, "%%%02X", byte);
      out += escape;
    } else {
      out += c;
    }
  }
  return out;
}
}  // namespace

WebAnswer RedirectPageAnswer(const HttpRequest& request) {
  if (request.method != "GET") return {405, {}};
  WebAnswer page{200,
                 "<html><head><title>NAS</title></head><body>Opening the application...</body></html>"};
  page.contentType = "text/html";
  return page;
}

std::string DescribeRedirectVisit(std::string_view query) {
  const FormData fields = FormData::Parse(query);
  std::string text = "redirect";
  for (const char* name : {"m", "u", "p"}) text += std::string(" ") + name + "=" + Escaped(fields.Value(name));
  return text;
}
