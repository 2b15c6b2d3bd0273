// The program's message boxes: plain ones titled with the program's name, and warnings. Texts come
// translated from the caller. (Input checks use ShowInputError of skin/controls/input_alerts.h.)
#pragma once
#include <windows.h>

#include <string>

inline constexpr wchar_t kProgramName[] = L"Drovik";

// A box titled "Drovik" with `buttons` (MB_OK unless told); returns the button pressed.
int ShowProgramMessage(HWND owner, const std::wstring& text, UINT buttons = MB_OK);
// A box titled with the translated "Warning", exclamation icon, with `buttons`; returns the button
// pressed.
int ShowWarning(HWND owner, const std::wstring& text, UINT buttons = MB_OK);
