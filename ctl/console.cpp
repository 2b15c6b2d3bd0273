#include "ctl/console.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

#include "base/win/ansi_text.h"
#include "net/win/user_message.h"

namespace {
bool jsonOutput = false;
}  // namespace

void PrintLine(std::string_view utf8Text) {
  std::fwrite(utf8Text.data(), 1, utf8Text.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

std::string ToUtf8(std::wstring_view text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  if (size > 0)
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size,
                        nullptr, nullptr);
  return utf8;
}

void PrintError(std::wstring_view text) {
  const std::string utf8 = PrintableText(ToU16(text));
  std::fwrite(utf8.data(), 1, utf8.size(), stderr);
  std::fputc('\n', stderr);
  std::fflush(stderr);
}

void UsePlainLineEnds() {
  // Lines end in "\n" alone, so the output reads the same in a console and through a pipe.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}

void UseConsoleForUserMessages() {
  SetUserMessageSink([](const std::wstring& text) { PrintError(text); });
}

RecordField DeviceField(std::string name, const char* ansiText) {
  return TextField(std::move(name), ToU16(FromAnsi(ansiText)));
}

void UseJsonOutput(bool json) { jsonOutput = json; }

bool JsonOutput() { return jsonOutput; }

void PrintRecord(const Record& record) {
  PrintLine(jsonOutput ? RecordJson(record) : RecordLine(record));
}

void PrintRecords(const std::vector<Record>& records) {
  if (jsonOutput) {
    PrintLine(RecordsJson(records));
    return;
  }
  for (const Record& record : records) PrintLine(RecordLine(record));
}
