// Finding the windows of another process from outside: top-level windows by title, class or a
// control they hold, message boxes, and the controls inside a window.
#pragma once
#include <windows.h>

#include <string>

// A visible top-level window with every given property; empty or zero properties match any.
struct WindowQuery {
  std::wstring title;
  std::wstring className;
  int heldControl = 0;  // a control with this id somewhere inside
  DWORD processId = 0;
};

HWND FindTopLevelWindow(const WindowQuery& query);

// A message box of `processId`: a visible dialog window holding the text static 0xFFFF (the id the
// system gives a message box's text).
HWND FindMessageBox(DWORD processId);
inline constexpr int kMessageBoxTextId = 0xFFFF;

// Control `id` of `window`: a direct child first, else the first descendant with that id (controls
// of child dialogs, such as the panels of a popup).
HWND FindControl(HWND window, int id);

DWORD ProcessOf(HWND window);
std::wstring ClassOf(HWND window);
std::wstring TextOf(HWND window);
