// A picture of a window as it is on the screen, saved as a 24-bit BMP file.
#pragma once
#include <windows.h>

#include <string>

// Copies the window's rectangle from the screen, so the window must be uncovered; false when the
// copy or the file fails.
bool SaveWindowPicture(HWND window, const std::wstring& path);

// Whether the window's rectangle on the screen holds more than one colour: a window that has not
// painted yet shows one flat colour.
bool ShowsAPicture(HWND window);
