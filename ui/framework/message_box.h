// The program's message boxes: plain ones titled with the program's name, and the input check
// titled "Error" with the exclamation icon. Texts come translated from the caller.
#pragma once
#include <windows.h>

#include <string>

inline constexpr wchar_t kProgramName[] = L"Drovik";

// A box titled "Drovik" with `buttons` (MB_OK unless told); returns the button pressed.
int ShowProgramMessage(HWND owner, const std::wstring& text, UINT buttons = MB_OK);
// The input check's box ("Error", exclamation icon, OK) is the controls' own: ShowInputError in
// skin/controls/input_alerts.h, which tests can replace.
// A box titled with the translated "Warning", exclamation icon, with `buttons`; returns the button
// pressed.
int ShowWarning(HWND owner, const std::wstring& text, UINT buttons = MB_OK);
