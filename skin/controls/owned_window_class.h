// Window classes whose windows come with their object: the class's procedure makes a Control when
// a window of the class receives WM_NCCREATE and binds it to the window, so that every later
// message reaches Control::WindowProc; the object deletes itself after WM_NCDESTROY. Dialog
// templates name such classes as custom controls, and their owners find the object with
// FromWindow.
#pragma once
#include <windows.h>

#include "framework/wnd.h"

// The base of controls made by their window class.
class CClassOwnedWnd : public CWnd {
 protected:
  void PostNcDestroy() override { delete this; }
};

template <typename Control>
LRESULT CALLBACK ClassOwnedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* control = new Control();
    if (!control->SubclassWindow(window)) {
      delete control;
      return FALSE;
    }
  }
  // Until the object is bound, and for what its WindowProc passes on, the plain window's processing.
  return DefWindowProcW(window, message, wParam, lParam);
}

// Registers class `name` of this module with the given class styles, cursor and background brush.
template <typename Control>
bool RegisterClassOwnedWindow(const wchar_t* name, UINT classStyle, const wchar_t* cursor,
                              HBRUSH background) {
  WNDCLASSW windowClass{};
  windowClass.style = classStyle;
  windowClass.lpfnWndProc = &ClassOwnedWindowProc<Control>;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, cursor);
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = name;
  return RegisterClassW(&windowClass) != 0;
}

// The object of a window of one of these classes, or null when `window` is not one of `Control`.
template <typename Control>
Control* ClassOwnedObject(HWND window) {
  return dynamic_cast<Control*>(CWnd::FromHandle(window));
}
