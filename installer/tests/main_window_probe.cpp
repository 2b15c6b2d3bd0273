// Waits for the installed program's main window and prints its title text, so that a script can
// tell that the program started, showed its window, and which version that window reads back.
//   main_window_probe SECONDS
// Exit 0 with the title on standard output, 1 when no such window showed up in time.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "res/resource.h"

namespace {

constexpr std::wstring_view kTitlePrefix = L"Drovik (";
constexpr UINT kTextTimeoutMs = 1000;

bool IsMainWindowTitle(const std::wstring& text) { return text.starts_with(kTitlePrefix); }

// The text of a window that may belong to another process: WM_GETTEXT is marshalled across, and
// the timeout keeps a hung window from hanging the probe.
std::wstring TextOf(HWND window) {
  wchar_t buffer[256] = {};
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, std::size(buffer), reinterpret_cast<LPARAM>(buffer),
                           SMTO_ABORTIFHUNG, kTextTimeoutMs, &copied)) {
    return {};
  }
  return std::wstring(buffer, copied);
}

// The main window carries its title either as its caption or in its title line.
std::wstring MainWindowTitle(HWND window) {
  if (!IsWindowVisible(window)) return {};
  std::wstring caption = TextOf(window);
  if (IsMainWindowTitle(caption)) return caption;
  HWND titleLine = GetDlgItem(window, IDC_MAIN_TITLE);
  std::wstring line = titleLine ? TextOf(titleLine) : std::wstring();
  return IsMainWindowTitle(line) ? line : std::wstring();
}

BOOL CALLBACK CheckTopLevelWindow(HWND window, LPARAM found) {
  std::wstring title = MainWindowTitle(window);
  if (title.empty()) return TRUE;
  *reinterpret_cast<std::wstring*>(found) = std::move(title);
  return FALSE;
}

std::string Utf8(const std::wstring& text) {
  int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                 nullptr, nullptr);
  std::string bytes(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                      nullptr, nullptr);
  return bytes;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fputs("usage: main_window_probe SECONDS\n", stderr);
    return 2;
  }
  const ULONGLONG deadline = GetTickCount64() + 1000ULL * std::wcstoul(argv[1], nullptr, 10);
  do {
    std::wstring title;
    EnumWindows(&CheckTopLevelWindow, reinterpret_cast<LPARAM>(&title));
    if (!title.empty()) {
      std::printf("%s\n", Utf8(title).c_str());
      return 0;
    }
    Sleep(200);
  } while (GetTickCount64() < deadline);
  std::fputs("no main window\n", stderr);
  return 1;
}
