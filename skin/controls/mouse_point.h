// The client point of a mouse message (signed: a captured mouse may be left of or above the
// window). windowsx.h has the same, with macros that clash with the framework's names.
#pragma once
#include <windows.h>

inline POINT MousePoint(LPARAM lParam) {
  return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}
