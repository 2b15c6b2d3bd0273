#include "ui/framework/message_box.h"

#include "i18n/win_language.h"

int ShowProgramMessage(HWND owner, const std::wstring& text, UINT buttons) {
  return MessageBoxW(owner, text.c_str(), kProgramName, buttons);
}

void ShowInputError(HWND owner, const std::wstring& text) {
  MessageBoxW(owner, text.c_str(), Tr(L"Error").c_str(), MB_OK | MB_ICONEXCLAMATION);
}
