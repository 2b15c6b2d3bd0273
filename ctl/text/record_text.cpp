#include "ctl/text/record_text.h"

#include <cstdio>

#include "ctl/text/field_line.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::string Hex(const char* format, char32_t c) {
  char text[8];
  std::snprintf(text, sizeof text, format, static_cast<unsigned>(c));
  return text;
}

// Walks the characters of UTF-16 text, pairing surrogates; a lone one reads as U+FFFD.
template <class Visit>
void ForEachCharacter(std::u16string_view text, Visit visit) {
  for (std::size_t at = 0; at < text.size(); ++at) {
    const char16_t unit = text[at];
    if (unit >= 0xD800 && unit <= 0xDBFF && at + 1 < text.size() && text[at + 1] >= 0xDC00 &&
        text[at + 1] <= 0xDFFF) {
      visit(0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (text[at + 1] - 0xDC00));
      ++at;
    } else if (unit >= 0xD800 && unit <= 0xDFFF) {
      visit(kReplacement);
    } else {
      visit(static_cast<char32_t>(unit));
    }
  }
}

std::string ValueText(const RecordField& field) {
  return field.number ? std::to_string(*field.number) : PrintableText(field.text);
}

}  // namespace

std::string PrintableText(std::u16string_view text) {
  std::string out;
  ForEachCharacter(text, [&](char32_t c) {
    switch (c) {
      case U'\t': out += "\\t"; return;
      case U'\n': out += "\\n"; return;
      case U'\r': out += "\\r"; return;
      case U'\\': out += "\\\\"; return;
      default: break;
    }
    if (c < 0x20 || c == 0x7F) out += Hex("\\x%02x", c);
    else if (c >= 0x80 && c <= 0x9F) out += Hex("\\u%04x", c);
    else AppendUtf8(out, c);
  });
  return out;
}

std::string JsonString(std::u16string_view text) {
  std::string out = "\"";
  ForEachCharacter(text, [&](char32_t c) {
    switch (c) {
      case U'"': out += "\\\""; return;
      case U'\\': out += "\\\\"; return;
      case U'\n': out += "\\n"; return;
      case U'\r': out += "\\r"; return;
      case U'\t': out += "\\t"; return;
      default: break;
    }
    // The C1 controls too, so that the document is as safe on a console as the lines are.
    if (c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F)) out += Hex("\\u%04x", c);
    else AppendUtf8(out, c);
  });
  return out + "\"";
}

RecordField TextField(std::string name, std::u16string_view text) {
  return {std::move(name), std::u16string(text), std::nullopt};
}

RecordField NumberField(std::string name, std::int64_t number) {
  return {std::move(name), {}, number};
}

std::string RecordLine(const Record& record) {
  std::vector<std::string> values;
  for (const RecordField& field : record) values.push_back(ValueText(field));
  return JoinFields(std::vector<std::string_view>(values.begin(), values.end()));
}

std::string RecordJson(const Record& record) {
  std::string json = "{";
  for (std::size_t i = 0; i < record.size(); ++i) {
    if (i > 0) json += ",";
    std::u16string name(record[i].name.begin(), record[i].name.end());
    json += JsonString(name) + ":" +
            (record[i].number ? std::to_string(*record[i].number) : JsonString(record[i].text));
  }
  return json + "}";
}

std::string RecordsJson(const std::vector<Record>& records) {
  std::string json = "[";
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (i > 0) json += ",";
    json += RecordJson(records[i]);
  }
  return json + "]";
}
