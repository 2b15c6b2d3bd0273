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
  font_ = CreateSkinFont(kTipFontHeight);
  SetFont(font_.Get(), false);
  return true;
}

LRESULT CSkinToolTip::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    Paint();
    return 0;
  }
  return CToolTipCtrl::WindowProc(message, wParam, lParam);
}

void CSkinToolTip::Paint() {
  PaintDC paint(GetSafeHwnd());
  RECT client = GetClientRect();
  CMyMemDC buffer(paint.GetSafeHdc(), &client);
  HDC dc = buffer.GetSafeHdc();
  BrushHandle fill(CreateSolidBrush(backgroundColour));
  PenHandle outline(CreatePen(PS_SOLID, 1, kTipOutline));
  {
    SelectGuard brush(dc, fill.Get());
    SelectGuard pen(dc, outline.Get());
    Rectangle(dc, client.left, client.top, client.right, client.bottom);
  }
  DrawSkinText(dc, GetWindowText(), client, DT_CENTER | DT_VCENTER | DT_SINGLELINE, kTipFontHeight,
               FW_THIN, textColour);
}
