#include "skin/controls/input_alerts.h"

namespace {
void ShowErrorBox(HWND owner, const std::wstring& text) {
  // The box belongs to the window the control sits in, which it disables while it is open.
  MessageBoxW(owner ? GetAncestor(owner, GA_ROOT) : nullptr, text.c_str(), L"Error", MB_OK | MB_ICONEXCLAMATION);
}

void SystemBeep() { MessageBeep(MB_OK); }

// Only the window thread shows alerts, so plain pointers do.
ErrorBoxFunction errorBox = &ShowErrorBox;
BeepFunction beep = &SystemBeep;
}  // namespace

void SetErrorBoxFunction(ErrorBoxFunction function) { errorBox = function ? function : &ShowErrorBox; }

void SetBeepFunction(BeepFunction function) { beep = function ? function : &SystemBeep; }

void ShowInputError(HWND owner, const std::wstring& text) { errorBox(owner, text); }

void BeepRefusedKey() { beep(); }
