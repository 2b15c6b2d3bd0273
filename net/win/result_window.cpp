#include "net/win/result_window.h"

ResultWindow::ResultWindow()
    : hwnd_(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            GetModuleHandleW(nullptr), nullptr)) {}

ResultWindow::~ResultWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
}

bool ResultWindow::WaitFor(UINT message, DWORD timeoutMs, MSG& out) {
  return WaitFor({message}, timeoutMs, out);
}

bool ResultWindow::WaitFor(std::initializer_list<UINT> messages, DWORD timeoutMs, MSG& out) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    while (PeekMessageW(&out, hwnd_, 0, 0, PM_REMOVE)) {
      for (UINT message : messages)
        if (out.message == message) return true;
      DispatchMessageW(&out);
    }
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now), QS_ALLINPUT);
  }
}
