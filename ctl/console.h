// Output of the console tool. Everything goes out as UTF-8: device texts with their control
// characters escaped (ctl/text/record_text.h), records as lines or, with --json, as one JSON
// document; messages on standard error.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "ctl/text/record_text.h"

// Writes UTF-8 text as one line of standard output; callers escape device text first.
void PrintLine(std::string_view utf8Text);
// Texts of the windows' kind (UTF-16) as UTF-8.
std::string ToUtf8(std::wstring_view text);
// A message on standard error, its control characters escaped (it may quote the device).
void PrintError(std::wstring_view text);
void UsePlainLineEnds();
// Routes the network layer's user messages to standard error.
void UseConsoleForUserMessages();

// A device record's text field (narrow, in the ANSI code page) as a record field.
RecordField DeviceField(std::string name, const char* ansiText);

// Whether this run prints JSON (--json) instead of lines; set once from the command line.
void UseJsonOutput(bool json);
bool JsonOutput();
// One record: a line, or a JSON object.
void PrintRecord(const Record& record);
// Records: a line each, or one JSON array.
void PrintRecords(const std::vector<Record>& records);
