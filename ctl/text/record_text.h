// How drovikctl prints what a device reports. Device text is untrusted: a name may hold tabs, line
// ends or a terminal's escape sequences. Every text goes out as UTF-8 with its control characters
// written as escapes, so one record is one line of a fixed number of tab-separated fields and
// nothing reaches the console as a command; --json prints the same records as one JSON document.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// `text` as UTF-8 with "\t", "\n", "\r" and "\\" for a tab, line feed, carriage return and
// backslash, "\xHH" for the other control characters (below U+0020 and U+007F) and "\uHHHH" for
// the C1 controls U+0080-U+009F. A lone surrogate becomes U+FFFD.
std::string PrintableText(std::u16string_view text);

// `text` as a JSON string, quotes included: UTF-8, with the escapes JSON requires.
std::string JsonString(std::u16string_view text);

// One field of a record: a text or a number.
struct RecordField {
  std::string name;
  std::u16string text;
  std::optional<std::int64_t> number;
};
RecordField TextField(std::string name, std::u16string_view text);
RecordField NumberField(std::string name, std::int64_t number);
using Record = std::vector<RecordField>;

// The record as a line: its values, printable, joined by tabs (an empty value keeps its place).
std::string RecordLine(const Record& record);
// The record as a JSON object, its fields in order.
std::string RecordJson(const Record& record);
// Records as a JSON array of objects.
std::string RecordsJson(const std::vector<Record>& records);
