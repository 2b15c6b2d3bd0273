#include "framework/ui_runtime.h"

#include <commctrl.h>
#include <objidl.h>
#include <gdiplus.h>

CUiRuntime::CUiRuntime() {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES;
  InitCommonControlsEx(&controls);

  // The window thread hands its controls' accessible objects to screen readers, which takes an
  // apartment of its own.
  comStarted_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));

  Gdiplus::GdiplusStartupInput input;
  if (Gdiplus::GdiplusStartup(&gdiplusToken_, &input, nullptr) != Gdiplus::Ok) gdiplusToken_ = 0;
}

CUiRuntime::~CUiRuntime() {
  if (gdiplusToken_) Gdiplus::GdiplusShutdown(gdiplusToken_);
  if (comStarted_) CoUninitialize();
}
