// Helpers for the tests that drive real windows: the process's UI set-up, message pumping,
// pixel reading and object counting.
#pragma once
#include <windows.h>

#include <chrono>
#include <functional>
#include <memory>

#include "framework/gdi.h"

// Dispatches the thread's messages for `duration`.
void PumpMessages(std::chrono::milliseconds duration);
// Dispatches messages until `done` holds or `timeout` passed; returns whether it held.
bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);

// A 32-bit top-down DIB selected into a memory context, for reading back what was drawn.
class PixelCanvas {
 public:
  PixelCanvas(int width, int height, COLORREF fill = RGB(0, 0, 0));
  PixelCanvas(const PixelCanvas&) = delete;
  PixelCanvas& operator=(const PixelCanvas&) = delete;
  ~PixelCanvas();

  HDC Dc() const { return dc_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // The colour at (x, y) as a COLORREF.
  COLORREF Pixel(int x, int y) const;
  // Copies the client area of `window` as it is on the screen.
  void CaptureClient(HWND window);

 private:
  int width_, height_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
  const DWORD* bits_ = nullptr;
};

// True when each channel of `actual` is within `tolerance` of `expected`.
bool ColourNear(COLORREF actual, COLORREF expected, int tolerance = 8);

// The process's GDI and USER objects. Where the platform does not count them (Wine answers 0),
// the GDI count is the process's entries of the shared GDI handle table and the USER count the
// windows of this thread.
struct GuiObjectCounts {
  DWORD gdi = 0;
  DWORD user = 0;
  bool operator==(const GuiObjectCounts&) const = default;
};
GuiObjectCounts CountGuiObjects();

// Sends a real left click at a screen point (SendInput), as a user would.
void ClickAt(POINT screen);
