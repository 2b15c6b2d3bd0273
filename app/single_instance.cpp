#include "app/single_instance.h"

#include "ui/main/tamsel_dlg.h"

namespace {
constexpr wchar_t kMutexName[] = L"Local\\Drovik.SingleInstance";
// A copy that started a moment earlier may not have made its window yet.
constexpr int kWindowPolls = 50;
constexpr DWORD kWindowPollMs = 100;

BOOL CALLBACK FindMainWindow(HWND window, LPARAM found) {
  if (!GetPropW(window, CTamselDlg::kMainWindowProperty)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}
}  // namespace

CSingleInstance::CSingleInstance() {
  mutex_ = CreateMutexW(nullptr, FALSE, kMutexName);
  // Without a mutex nothing can be told: the program runs rather than refusing to start.
  first_ = !mutex_ || GetLastError() != ERROR_ALREADY_EXISTS;
}

CSingleInstance::~CSingleInstance() {
  if (mutex_) CloseHandle(mutex_);
}

bool CSingleInstance::ActivateRunningWindow() {
  for (int poll = 0; poll < kWindowPolls; ++poll) {
    HWND running = nullptr;
    EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&running));
    if (running) {
      if (IsIconic(running)) ShowWindow(running, SW_RESTORE);
      SetForegroundWindow(running);
      return true;
    }
    Sleep(kWindowPollMs);
  }
  return false;
}
