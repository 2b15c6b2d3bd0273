// The off-screen buffer for flicker-free drawing: callers draw in the target's coordinates and the
// buffer is copied to the target in one BitBlt when it goes.
#pragma once
#include "framework/gdi.h"

class CMyMemDC : public CDC {
 public:
  // Covers `rect` of `target` (its clip box when rect is null or empty). A printing context is drawn
  // into directly.
  CMyMemDC(HDC target, const RECT* rect = nullptr);
  // Copies the buffer back to the target, unless the target was detached.
  ~CMyMemDC() override;

  const RECT& Rect() const { return rect_; }
  // The buffer outlives its target (a released window context): nothing is copied at the end.
  void DetachTarget() { target_ = nullptr; }
  bool IsMemory() const { return memoryMode_; }

 private:
  HDC target_;
  RECT rect_{};
  BitmapHandle bitmap_;
  HGDIOBJ oldBitmap_ = nullptr;
  bool memoryMode_;
};
