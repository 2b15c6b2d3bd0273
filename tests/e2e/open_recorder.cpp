// open_recorder: stands in for the browser and the file manager in the end-to-end tests. The test's
// Wine prefix names it as the program that opens web addresses and folders, with the record file as
// its first argument; it appends every further argument to that file as a UTF-8 line, exactly as
// it was handed over.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

namespace {
std::string Utf8(const wchar_t* text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, narrow.data(), size, nullptr, nullptr);
  return narrow;
}
}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!arguments || count < 2) return 2;
  FILE* record = _wfopen(arguments[1], L"ab");
  if (!record) return 1;
  for (int index = 2; index < count; ++index) std::fprintf(record, "%s\n", Utf8(arguments[index]).c_str());
  std::fclose(record);
  LocalFree(arguments);
  return 0;
}
