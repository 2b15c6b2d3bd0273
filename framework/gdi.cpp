#include "framework/gdi.h"

bool CDC::BitBlt(int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                 DWORD rop) const {
  return ::BitBlt(dc_, x, y, width, height, source, sourceX, sourceY, rop) != FALSE;
}

void CDC::FillSolidRect(const RECT& rect, COLORREF colour) const {
  // ExtTextOut with an opaque rectangle fills without creating a brush.
  COLORREF previous = SetBkColor(dc_, colour);
  ExtTextOutW(dc_, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
  SetBkColor(dc_, previous);
}

int CDC::DrawText(std::wstring_view text, RECT& rect, UINT format, COLORREF colour) const {
  int previousMode = SetBkMode(dc_, TRANSPARENT);
  COLORREF previousColour = SetTextColor(dc_, colour);
  int height = ::DrawTextW(dc_, text.data(), static_cast<int>(text.size()), &rect, format);
  SetTextColor(dc_, previousColour);
  SetBkMode(dc_, previousMode);
  return height;
}

RECT CDC::GetClipBox() const {
  RECT box{};
  ::GetClipBox(dc_, &box);
  return box;
}

MemoryDC::~MemoryDC() {
  if (original_) SelectObject(dc_, original_);
  if (dc_) DeleteDC(dc_);
}

void MemoryDC::Select(HGDIOBJ object) {
  HGDIOBJ previous = SelectObject(dc_, object);
  if (!original_) original_ = previous;
}

bool GlobalBlock::Allocate(SIZE_T size) {
  Free();
  handle_ = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!handle_) return false;
  data_ = GlobalLock(handle_);
  if (!data_) {
    Free();
    return false;
  }
  return true;
}

void GlobalBlock::Free() {
  if (data_) GlobalUnlock(handle_);
  if (handle_) GlobalFree(handle_);
  data_ = nullptr;
  handle_ = nullptr;
}
