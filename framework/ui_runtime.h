// What the process sets up once before its first window and tears down after the last one: the
// common controls, GDI+ and the thread's COM apartment (screen readers reach the windows' accessible
// objects through it).
#pragma once
#include <windows.h>

class CUiRuntime {
 public:
  // Registers the common control classes and starts GDI+.
  CUiRuntime();
  CUiRuntime(const CUiRuntime&) = delete;
  CUiRuntime& operator=(const CUiRuntime&) = delete;
  // Shuts GDI+ down; every GDI+ object must be gone by then.
  ~CUiRuntime();

  bool GdiplusStarted() const { return gdiplusToken_ != 0; }

 private:
  ULONG_PTR gdiplusToken_ = 0;
  bool comStarted_ = false;
};
