#include "framework/message_box.h"

#include "i18n/win/win_language.h"

int ShowProgramMessage(HWND owner, const std::wstring& text, UINT buttons) {
  return MessageBoxW(owner, text.c_str(), kProgramName, buttons);
}

int ShowWarning(HWND owner, const std::wstring& text, UINT buttons) {
  return MessageBoxW(owner, text.c_str(), Tr(L"Warning").c_str(), buttons | MB_ICONEXCLAMATION);
}
