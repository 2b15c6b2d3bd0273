#include "framework/ui_runtime.h"

#include <commctrl.h>
#include <objidl.h>
#include <gdiplus.h>

CUiRuntime::CUiRuntime() {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES;
  InitCommonControlsEx(&controls);

  Gdiplus::GdiplusStartupInput input;
  if (Gdiplus::GdiplusStartup(&gdiplusToken_, &input, nullptr) != Gdiplus::Ok) gdiplusToken_ = 0;
}

CUiRuntime::~CUiRuntime() {
  if (gdiplusToken_) Gdiplus::GdiplusShutdown(gdiplusToken_);
}
