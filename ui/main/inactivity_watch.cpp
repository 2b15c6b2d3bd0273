#include "ui/main/inactivity_watch.h"

#include "settings/login_out_time.h"

std::uint32_t InactivityTimeout = kDefaultInactivityTimeout;
HWND OpenDialogWindow = nullptr;

namespace {
HWND watchedWindow = nullptr;
}  // namespace

void StartInactivityWatch(HWND mainWindow) {
  watchedWindow = mainWindow;
  RestartInactivityTimer();
}

void StopInactivityWatch() {
  if (watchedWindow) KillTimer(watchedWindow, kInactivityTimer);
  watchedWindow = nullptr;
}

void RestartInactivityTimer() {
  if (!watchedWindow) return;
  KillTimer(watchedWindow, kInactivityTimer);
  if (InactivityTimeout != 0) SetTimer(watchedWindow, kInactivityTimer, InactivityTimeout, nullptr);
}
