// What a screen reader learns about one of the program's windows. A window object describes itself
// (CWnd::Describe) and the framework answers WM_GETOBJECT for its client area with a small
// IAccessible built from that description; what the description leaves out (parent, position,
// navigation) comes from the system's standard object for the window.
//
// The skinned controls are owner-drawn buttons, static windows and panels of their own classes: the
// system's objects would call each of them a "client" without a name, so every skinned class says
// what it is.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// One item of a list-like control (a device, a share, a row).
struct AccessibleItem {
  std::wstring name;
  bool selected = false;
};

struct AccessibleDescription {
  long role = 0;              // ROLE_SYSTEM_*
  std::wstring name;
  std::wstring value;         // what the control holds: a selection, a percentage, a size
  long state = 0;             // STATE_SYSTEM_* beyond what the window's style says (checked, protected)
  long itemRole = 0;          // the role of `items`
  std::vector<AccessibleItem> items;
};

// The answer to WM_GETOBJECT for `window` when its object describes itself; 0 (the system's own
// answer) otherwise.
LRESULT AnswerAccessibleObjectRequest(HWND window, WPARAM wParam, LPARAM lParam);
