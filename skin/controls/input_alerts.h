// How the controls tell the user that an input was refused: a message box titled "Error" with the
// exclamation icon, and a beep for a key that is dropped. Tests put their own functions in place
// so that nothing waits for a user.
#pragma once
#include <windows.h>

#include <string>

using ErrorBoxFunction = void (*)(HWND owner, const std::wstring& text);
using BeepFunction = void (*)();

// Replace where the alerts go; nullptr restores the message box and the system beep.
void SetErrorBoxFunction(ErrorBoxFunction function);
void SetBeepFunction(BeepFunction function);

void ShowInputError(HWND owner, const std::wstring& text);
void BeepRefusedKey();
