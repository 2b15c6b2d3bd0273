// Owners for the GDI handles and global memory the windows use, and a thin drawing context.
// Every handle that is created is released by exactly one owner, so that opening and closing
// windows never leaves GDI objects behind.
#pragma once
#include <windows.h>

#include <string_view>
#include <utility>

// One GDI object (font, bitmap, pen, brush, region) that is deleted with its owner.
template <typename Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {}
  GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  ~GdiObject() { Reset(); }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(Handle handle = nullptr) {
    if (handle_) DeleteObject(handle_);
    handle_ = handle;
  }
  Handle Release() { return std::exchange(handle_, nullptr); }

 private:
  Handle handle_ = nullptr;
};

using FontHandle = GdiObject<HFONT>;
using BitmapHandle = GdiObject<HBITMAP>;
using PenHandle = GdiObject<HPEN>;
using BrushHandle = GdiObject<HBRUSH>;
using RegionHandle = GdiObject<HRGN>;

// Selects an object into a context for the lifetime of the guard and puts the previous one back.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;
  ~SelectGuard() {
    if (previous_) SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A drawing context that the caller does not own: the helpers the skinned controls draw with.
class CDC {
 public:
  CDC() = default;
  explicit CDC(HDC dc) : dc_(dc) {}
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;
  virtual ~CDC() = default;

  HDC GetSafeHdc() const { return dc_; }

  bool BitBlt(int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
              DWORD rop = SRCCOPY) const;
  void FillSolidRect(const RECT& rect, COLORREF colour) const;
  // Draws `text` with a transparent background in `colour`; returns the height of the text.
  int DrawText(std::wstring_view text, RECT& rect, UINT format, COLORREF colour) const;
  RECT GetClipBox() const;

 protected:
  HDC dc_ = nullptr;
};

// The memory context of a window: GetDC on construction, ReleaseDC on destruction.
class WindowDC : public CDC {
 public:
  explicit WindowDC(HWND window) : CDC(GetDC(window)), window_(window) {}
  ~WindowDC() override { ReleaseDC(window_, dc_); }

 private:
  HWND window_;
};

// BeginPaint / EndPaint.
class PaintDC : public CDC {
 public:
  explicit PaintDC(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
  ~PaintDC() override { EndPaint(window_, &paint_); }
  const PAINTSTRUCT& Paint() const { return paint_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
};

// A memory context compatible with another one, deleted with its owner; selections made through
// Select are undone first.
class MemoryDC : public CDC {
 public:
  explicit MemoryDC(HDC compatibleWith) : CDC(CreateCompatibleDC(compatibleWith)) {}
  ~MemoryDC() override;
  // Selects a bitmap (or other object); the first object replaced is restored on destruction.
  void Select(HGDIOBJ object);

 private:
  HGDIOBJ original_ = nullptr;
};

// A movable global memory block, kept locked while it is owned.
class GlobalBlock {
 public:
  GlobalBlock() = default;
  GlobalBlock(const GlobalBlock&) = delete;
  GlobalBlock& operator=(const GlobalBlock&) = delete;
  ~GlobalBlock() { Free(); }

  // Allocates `size` movable bytes and locks them; false when either step fails.
  bool Allocate(SIZE_T size);
  void Free();
  HGLOBAL Handle() const { return handle_; }
  void* Data() const { return data_; }

 private:
  HGLOBAL handle_ = nullptr;
  void* data_ = nullptr;
};

inline int RectWidth(const RECT& rect) { return rect.right - rect.left; }
inline int RectHeight(const RECT& rect) { return rect.bottom - rect.top; }
