#include "skin/borrowed_background.h"

#include "skin/skin_draw.h"

HDC CBorrowedBackground::Take(HWND window) {
  if (picture_) return picture_->GetSafeHdc();
  if (!GetParent(window)) return nullptr;
  RECT client{};
  GetClientRect(window, &client);
  WindowDC windowDc(window);
  picture_ = std::make_unique<MemoryDC>(windowDc.GetSafeHdc());
  bitmap_.Reset(CreateCompatibleBitmap(windowDc.GetSafeHdc(), client.right, client.bottom));
  picture_->Select(bitmap_.Get());
  PaintParentBackground(window, picture_->GetSafeHdc());
  if (finish_) finish_(picture_->GetSafeHdc(), client);
  return picture_->GetSafeHdc();
}

void CBorrowedBackground::Release() {
  picture_.reset();
  bitmap_.Reset();
}
