#include "ui/main/shell_open.h"

#include <shellapi.h>

namespace {
const wchar_t* OrNull(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

void ExecuteOpen(HWND owner, const std::wstring& file, const std::wstring& parameters,
                 const std::wstring& directory) {
  ShellExecuteW(owner, L"open", file.c_str(), OrNull(parameters), OrNull(directory), SW_SHOWNORMAL);
}

ShellOpenFunction currentOpen = &ExecuteOpen;
}  // namespace

void ShellOpen(HWND owner, const std::wstring& file, const std::wstring& parameters, const std::wstring& directory) {
  currentOpen(owner, file, parameters, directory);
}

void SetShellOpen(ShellOpenFunction open) { currentOpen = open ? open : &ExecuteOpen; }
