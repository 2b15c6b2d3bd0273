#include "skin/my_mem_dc.h"

CMyMemDC::CMyMemDC(HDC target, const RECT* rect)
    : target_(target), memoryMode_(GetDeviceCaps(target, TECHNOLOGY) != DT_RASPRINTER) {
  if (rect && !IsRectEmpty(rect)) {
    rect_ = *rect;
  } else {
    ::GetClipBox(target, &rect_);
  }
  if (!memoryMode_) {
    dc_ = target;
    return;
  }
  dc_ = CreateCompatibleDC(target);
  bitmap_.Reset(CreateCompatibleBitmap(target, RectWidth(rect_), RectHeight(rect_)));
  oldBitmap_ = SelectObject(dc_, bitmap_.Get());
  SetWindowOrgEx(dc_, rect_.left, rect_.top, nullptr);
}

CMyMemDC::~CMyMemDC() {
  if (!memoryMode_) return;  // printing: the target was drawn into directly
  if (target_) {
    ::BitBlt(target_, rect_.left, rect_.top, RectWidth(rect_), RectHeight(rect_), dc_, rect_.left,
             rect_.top, SRCCOPY);
  }
  SelectObject(dc_, oldBitmap_);
  DeleteDC(dc_);
}
