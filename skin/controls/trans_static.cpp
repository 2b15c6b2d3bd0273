#include "skin/controls/trans_static.h"

#include "skin/controls/control_buffer.h"
#include "skin/skin_draw.h"

CTransStatic::~CTransStatic() {
  if (GetSafeHwnd()) UnmarkSkinnedWindow(GetSafeHwnd());
}

void CTransStatic::SetText(const std::wstring& text) { SetWindowText(text); }

void CTransStatic::SetFormat(UINT format) {
  format_ = format;
  Repaint();
}

void CTransStatic::SetFontHeight(int height) {
  fontHeight_ = height;
  Repaint();
}

void CTransStatic::SetFontWeight(int weight) {
  fontWeight_ = weight;
  Repaint();
}

void CTransStatic::SetTextColour(COLORREF colour) {
  colour_ = colour;
  Repaint();
}

void CTransStatic::OnAttached() { MarkSkinnedWindow(GetSafeHwnd()); }

LRESULT CTransStatic::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PaintDC paint(GetSafeHwnd());
      Paint(paint.GetSafeHdc());
      return 0;
    }
    case WM_ERASEBKGND:
      return TRUE;
    case WM_SETTEXT: {
      // The platform static would paint its new text at once in its own look: only store it.
      LRESULT result = DefWindowProcW(GetSafeHwnd(), message, wParam, lParam);
      Repaint();
      return result;
    }
    case WM_NCDESTROY:
      UnmarkSkinnedWindow(GetSafeHwnd());
      break;
    default:
      break;
  }
  return CStatic::WindowProc(message, wParam, lParam);
}

void CTransStatic::Paint(HDC target) {
  CControlBuffer buffer(GetSafeHwnd(), target);
  DrawSkinText(buffer.GetSafeHdc(), GetWindowText(), buffer.Client(), format_, fontHeight_, fontWeight_,
               colour_);
}

void CTransStatic::Repaint() const {
  if (GetSafeHwnd()) Invalidate(false);
}
