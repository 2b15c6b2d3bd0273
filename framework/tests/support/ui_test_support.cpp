#include "framework/tests/support/ui_test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>

#include "framework/gdi_handle_table.h"
#include "framework/ui_runtime.h"

namespace {
// The common controls and GDI+ for the whole test program, as the application has them.
class UiRuntimeEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { runtime_ = std::make_unique<CUiRuntime>(); }
  void TearDown() override { runtime_.reset(); }

 private:
  std::unique_ptr<CUiRuntime> runtime_;
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new UiRuntimeEnvironment);

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
  ++*reinterpret_cast<DWORD*>(count);
  EnumChildWindows(window, [](HWND, LPARAM inner) -> BOOL {
    ++*reinterpret_cast<DWORD*>(inner);
    return TRUE;
  }, count);
  return TRUE;
}

DWORD CountThreadWindows() {
  DWORD count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}
}  // namespace

void PumpMessages(std::chrono::milliseconds duration) {
  PumpUntil([] { return false; }, duration);
}

bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
  auto end = std::chrono::steady_clock::now() + timeout;
  while (true) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (done()) return true;
    if (std::chrono::steady_clock::now() >= end) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
}

PixelCanvas::PixelCanvas(int width, int height, COLORREF fill) : width_(width), height_(height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  WindowDC screen(nullptr);
  bitmap_ = CreateDIBSection(screen.GetSafeHdc(), &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bits_ = static_cast<const DWORD*>(bits);
  dc_ = CreateCompatibleDC(screen.GetSafeHdc());
  old_ = SelectObject(dc_, bitmap_);
  CDC(dc_).FillSolidRect(RECT{0, 0, width, height}, fill);
}

PixelCanvas::~PixelCanvas() {
  SelectObject(dc_, old_);
  DeleteDC(dc_);
  DeleteObject(bitmap_);
}

COLORREF PixelCanvas::Pixel(int x, int y) const {
  GdiFlush();
  DWORD value = bits_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
  return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

void PixelCanvas::CaptureClient(HWND window) {
  WindowDC source(window);
  ::BitBlt(dc_, 0, 0, width_, height_, source.GetSafeHdc(), 0, 0, SRCCOPY);
}

bool ColourNear(COLORREF actual, COLORREF expected, int tolerance) {
  return std::abs(GetRValue(actual) - GetRValue(expected)) <= tolerance &&
         std::abs(GetGValue(actual) - GetGValue(expected)) <= tolerance &&
         std::abs(GetBValue(actual) - GetBValue(expected)) <= tolerance;
}

GuiObjectCounts CountGuiObjects() {
  HANDLE process = GetCurrentProcess();
  GuiObjectCounts counts{GetGuiResources(process, GR_GDIOBJECTS), GetGuiResources(process, GR_USEROBJECTS)};
  if (counts.gdi == 0) counts.gdi = CountGdiHandleTableEntries(process);
  if (counts.user == 0) counts.user = CountThreadWindows();
  return counts;
}

void ClickAt(POINT screen) {
  SetCursorPos(screen.x, screen.y);
  INPUT inputs[2] = {};
  inputs[0].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs[1].type = INPUT_MOUSE;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, inputs, sizeof(INPUT));
}
