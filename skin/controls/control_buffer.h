// The drawing buffer every skinned control paints into: an off-screen copy of its client area that
// starts with the background its parent lends (message WM_DRAW_PARENT_BG) and goes to `target` in
// one copy when the buffer ends.
#pragma once
#include "skin/my_mem_dc.h"

class CControlBuffer : public CMyMemDC {
 public:
  CControlBuffer(HWND control, HDC target);
  const RECT& Client() const { return Rect(); }

 private:
  CControlBuffer(const RECT& client, HWND control, HDC target);
};
