// Dots per inch of the program's windows. Every pixel size in the program's tables is the size at
// 96 DPI (100 %); a window multiplies it by its own DPI, which follows the monitor it is on.
#pragma once
#include <windows.h>

inline constexpr UINT kBaseDpi = USER_DEFAULT_SCREEN_DPI;  // 96: the scale of every table

// The DPI `window` is drawn at: the one its top-level window took last (RememberWindowDpi, kept
// from WM_DPICHANGED, so that the whole tree changes together), else its monitor's where the system
// tells it per window (Windows 10 1607 and later, Wine), else the system's. A null window gives the
// system's DPI.
UINT WindowDpi(HWND window);
// Records the DPI a top-level window is laid out for; its controls read it through WindowDpi. The
// record is a window property: ForgetWindowDpi takes it off before the window goes.
void RememberWindowDpi(HWND topLevel, UINT dpi);
void ForgetWindowDpi(HWND topLevel);

// `value` at 96 DPI, at `dpi` (rounded to the nearest pixel, signs kept).
inline int ScaleToDpi(int value, UINT dpi) { return MulDiv(value, static_cast<int>(dpi), kBaseDpi); }
// A rectangle at 96 DPI, at `dpi`: each edge scaled, so that neighbouring rectangles stay neighbours.
inline RECT ScaleToDpi(const RECT& rect, UINT dpi) {
  return {ScaleToDpi(rect.left, dpi), ScaleToDpi(rect.top, dpi), ScaleToDpi(rect.right, dpi),
          ScaleToDpi(rect.bottom, dpi)};
}
// A size at `dpi` back at 96 DPI (for hit tests against a table's values).
inline int UnscaleFromDpi(int value, UINT dpi) { return MulDiv(value, kBaseDpi, static_cast<int>(dpi)); }

// The messages of a DPI change, which the headers give only for newer targets than the program's.
inline constexpr UINT kDpiChangedMessage = 0x02E0;             // WM_DPICHANGED, to a top-level window
inline constexpr UINT kDpiChangedAfterParentMessage = 0x02E3;  // WM_DPICHANGED_AFTERPARENT, to its children
