#include "ui/framework/message_box.h"

int ShowProgramMessage(HWND owner, const std::wstring& text, UINT buttons) {
  return MessageBoxW(owner, text.c_str(), kProgramName, buttons);
}
