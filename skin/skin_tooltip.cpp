#include "skin/skin_tooltip.h"

#include "skin/my_mem_dc.h"
#include "skin/skin_draw.h"

namespace {
constexpr int kTipFontHeight = 13;
constexpr COLORREF kTipOutline = 0xC8C8C8;
}  // namespace

bool CSkinToolTip::Create(HWND owner) {
  if (!CToolTipCtrl::Create(owner)) return false;
  // The tooltip measures its window with its own font: give it the one the tip is painted in.
  font_ = CreateSkinFont(WindowDpi(GetSafeHwnd()), kTipFontHeight);
  SetFont(font_.Get(), false);
  return true;
}

LRESULT CSkinToolTip::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PaintDC paint(GetSafeHwnd());
      Paint(paint.GetSafeHdc());
      return 0;
    }
    case WM_PRINTCLIENT:  // the fade-in animation asks for the look this way
      Paint(reinterpret_cast<HDC>(wParam));
      return 0;
    default:
      return CToolTipCtrl::WindowProc(message, wParam, lParam);
  }
}

void CSkinToolTip::Paint(HDC target) {
  RECT client = GetClientRect();
  CMyMemDC buffer(target, &client);
  HDC dc = buffer.GetSafeHdc();
  BrushHandle fill(CreateSolidBrush(backgroundColour));
  PenHandle outline(CreatePen(PS_SOLID, 1, kTipOutline));
  {
    SelectGuard brush(dc, fill.Get());
    SelectGuard pen(dc, outline.Get());
    Rectangle(dc, client.left, client.top, client.right, client.bottom);
  }
  DrawSkinText(dc, WindowDpi(GetSafeHwnd()), GetFirstToolText(), client, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
               kTipFontHeight, FW_THIN, textColour);
}
