// The program's plain message boxes, titled with the program's name. Texts come translated from
// the caller. (Input checks use ShowInputError of skin/controls/input_alerts.h.)
#pragma once
#include <windows.h>

#include <string>

inline constexpr wchar_t kProgramName[] = L"Drovik";

// A box titled "Drovik" with `buttons` (MB_OK unless told); returns the button pressed.
int ShowProgramMessage(HWND owner, const std::wstring& text, UINT buttons = MB_OK);
