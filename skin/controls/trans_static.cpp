#include "skin/controls/trans_static.h"

#include <oleacc.h>

#include "skin/controls/control_buffer.h"
#include "skin/skin_draw.h"

void CTransStatic::SetText(const std::wstring& text) { SetWindowText(text); }

bool CTransStatic::Describe(AccessibleDescription& description) const {
  description.role = ROLE_SYSTEM_STATICTEXT;
  description.name = GetWindowText();
  return true;
}

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

LRESULT CTransStatic::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETTEXT) {
    // The platform static would paint its new text at once in its own look: only store it.
    LRESULT result = DefWindowProcW(GetSafeHwnd(), message, wParam, lParam);
    Repaint();
    return result;
  }
  return CSkinnedWindow::WindowProc(message, wParam, lParam);
}

bool CTransStatic::TextFits() const {
  WindowDC dc(GetSafeHwnd());
  return SkinTextFits(dc.GetSafeHdc(), WindowDpi(GetSafeHwnd()), GetWindowText(), GetClientRect(), format_, fontHeight_,
                      fontWeight_);
}

void CTransStatic::Paint(HDC target) {
  CControlBuffer buffer(GetSafeHwnd(), target);
  DrawSkinText(buffer.GetSafeHdc(), WindowDpi(GetSafeHwnd()), GetWindowText(), buffer.Client(), format_, fontHeight_,
               fontWeight_, colour_);
}

void CTransStatic::Repaint() const {
  if (GetSafeHwnd()) Invalidate(false);
}
