#include "framework/dpi.h"

namespace {
constexpr wchar_t kDpiProperty[] = L"Drovik.Dpi";

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

// Looked up once: older systems have no per-window DPI.
GetDpiForWindowFunction PerWindowDpi() {
  static const auto function = reinterpret_cast<GetDpiForWindowFunction>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  return function;
}

UINT SystemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : kBaseDpi;
}
}  // namespace

UINT WindowDpi(HWND window) {
  if (window) {
    if (HWND root = GetAncestor(window, GA_ROOT)) {
      if (const auto kept = reinterpret_cast<UINT_PTR>(GetPropW(root, kDpiProperty)); kept > 0) {
        return static_cast<UINT>(kept);
      }
    }
    if (GetDpiForWindowFunction perWindow = PerWindowDpi()) {
      if (const UINT dpi = perWindow(window); dpi > 0) return dpi;
    }
  }
  return SystemDpi();
}

void RememberWindowDpi(HWND topLevel, UINT dpi) {
  SetPropW(topLevel, kDpiProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(dpi)));
}

void ForgetWindowDpi(HWND topLevel) { RemovePropW(topLevel, kDpiProperty); }
