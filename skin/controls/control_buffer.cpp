#include "skin/controls/control_buffer.h"

#include "skin/skin_draw.h"

namespace {
RECT ClientOf(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return client;
}
}  // namespace

CControlBuffer::CControlBuffer(HWND control, HDC target) : CControlBuffer(ClientOf(control), control, target) {}

CControlBuffer::CControlBuffer(const RECT& client, HWND control, HDC target) : CMyMemDC(target, &client) {
  PaintParentBackground(control, GetSafeHdc());
}
