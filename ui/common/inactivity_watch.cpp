#include "ui/common/inactivity_watch.h"

#include "base/messages.h"
#include "settings/login_out_time.h"
#include "rules/activity_filters.h"

std::uint32_t InactivityTimeout = kDefaultInactivityTimeout;
HWND OpenDialogWindow = nullptr;

namespace {
HWND watchedWindow = nullptr;
// Local to the window thread: only input to this program's windows counts.
HHOOK keyboardHook = nullptr;
HHOOK mouseHook = nullptr;

void ReportActivity() {
  if (watchedWindow) SendMessageW(watchedWindow, WM_USER_ACTIVITY, 0, 0);
}

LRESULT CALLBACK WatchKeyboard(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && KeyReportsActivity(wParam, lParam)) ReportActivity();
  return CallNextHookEx(keyboardHook, code, wParam, lParam);
}

LRESULT CALLBACK WatchMouse(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && MouseMessageReportsActivity(wParam)) ReportActivity();
  return CallNextHookEx(mouseHook, code, wParam, lParam);
}

void RemoveHooks() {
  if (keyboardHook) UnhookWindowsHookEx(keyboardHook);
  if (mouseHook) UnhookWindowsHookEx(mouseHook);
  keyboardHook = nullptr;
  mouseHook = nullptr;
}

// Without hooks the timer simply runs out after the period: nothing to report on failure.
void InstallHooks() {
  RemoveHooks();
  const HINSTANCE module = GetModuleHandleW(nullptr);
  keyboardHook = SetWindowsHookExW(WH_KEYBOARD, WatchKeyboard, module, GetCurrentThreadId());
  mouseHook = SetWindowsHookExW(WH_MOUSE, WatchMouse, module, GetCurrentThreadId());
}
}  // namespace

void StartInactivityWatch(HWND mainWindow) {
  watchedWindow = mainWindow;
  InstallHooks();
  RestartInactivityTimer();
}

void StopInactivityWatch() {
  RemoveHooks();
  if (watchedWindow) KillTimer(watchedWindow, kInactivityTimer);
  watchedWindow = nullptr;
}

void RestartInactivityTimer() {
  if (!watchedWindow) return;
  KillTimer(watchedWindow, kInactivityTimer);
  if (InactivityTimeout != 0) SetTimer(watchedWindow, kInactivityTimer, InactivityTimeout, nullptr);
}
