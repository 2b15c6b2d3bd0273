#include "xml/diagnostic_log.h"

void DiagnosticLog::Add(std::u16string_view diagnostic,
                        std::initializer_list<Attribute> attributes) {
  if (text_.size() > kLimit) return;
  text_ += u'<';
  text_ += diagnostic;
  for (const Attribute& attribute : attributes) {
    text_ += u' ';
    text_ += attribute.name;
    text_ += u"=\"";
    if (attribute.isNumber) {
      AppendNumber(attribute.number);
    } else {
      AppendEscaped(attribute.text.substr(0, kQuotedNameLimit));
    }
    text_ += u'"';
  }
  text_ += u"/>";
}

// Names quoted from a malformed document may hold any character; the entry stays well-formed.
void DiagnosticLog::AppendEscaped(std::u16string_view text) {
  for (const char16_t c : text) {
    switch (c) {
      case u'&': text_ += u"&amp;"; break;
      case u'<': text_ += u"&lt;"; break;
      case u'>': text_ += u"&gt;"; break;
      case u'"': text_ += u"&quot;"; break;
      default: text_ += c;
    }
  }
}

void DiagnosticLog::AppendNumber(std::int64_t number) {
  const std::string digits = std::to_string(number);
  text_.append(digits.begin(), digits.end());
}
