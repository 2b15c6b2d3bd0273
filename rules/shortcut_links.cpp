#include "rules/shortcut_links.h"

#include "rules/dotted_address.h"

namespace {
constexpr std::u16string_view kUrlStart = u"http://";
constexpr std::u16string_view kUrlPage = u"/web/tamsel_redirect.html?m=";
constexpr char16_t kHexDigits[] = u"0123456789ABCDEF";

bool EndsQueryValue(char16_t c) { return c == u'&' || c == u'=' || c == u'%' || c == u'+' || c == u'#'; }

std::u16string Decimal(int value) {
  const std::string digits = std::to_string(value);
  return {digits.begin(), digits.end()};
}
}  // namespace

std::u16string EncodeQueryValue(std::u16string_view value) {
  std::u16string encoded;
  encoded.reserve(value.size());
  for (char16_t c : value) {
    if (EndsQueryValue(c)) {
      encoded += u'%';
      encoded += kHexDigits[(c >> 4) & 0xF];
      encoded += kHexDigits[c & 0xF];
    } else {
      encoded += c;
    }
  }
  return encoded;
}

bool IsDottedAddress(std::u16string_view address) { return ParseDotted(address).has_value(); }

std::optional<std::u16string> WebApplicationUrl(std::u16string_view address, int application,
                                                std::u16string_view userName, std::u16string_view password) {
  if (!IsDottedAddress(address)) return std::nullopt;
  std::u16string url(kUrlStart);
  url += address;
  url += kUrlPage;
  url += Decimal(application);
  url += u"&u=";
  url += EncodeQueryValue(userName);
  url += u"&p=";
  url += EncodeQueryValue(password);
  return url;
}

bool IsPlainShareName(std::u16string_view name) {
  if (name.empty() || name == u"." || name == u"..") return false;
  for (char16_t c : name) {
    if (c == u'\\' || c == u'/' || c == u':' || c < 0x20 || c == 0x7F) return false;
  }
  return true;
}

std::optional<std::u16string> SharePath(std::u16string_view address, std::u16string_view share) {
  if (!IsDottedAddress(address) || !IsPlainShareName(share)) return std::nullopt;
  std::u16string path(u"\\\\");
  path += address;
  path += u'\\';
  path += share;
  return path;
}
