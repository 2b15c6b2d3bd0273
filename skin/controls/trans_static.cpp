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
  const RECT client = GetClientRect();
  const std::wstring text = GetWindowText();
  const FontHandle font = CreateSkinFont(WindowDpi(GetSafeHwnd()), fontHeight_, fontWeight_);
  WindowDC dc(GetSafeHwnd());
  SelectGuard selected(dc.GetSafeHdc(), font.Get());
  const bool wraps = (format_ & DT_WORDBREAK) != 0;
  RECT needed = client;
  ::DrawTextW(dc.GetSafeHdc(), text.c_str(), static_cast<int>(text.size()), &needed,
              DT_CALCRECT | DT_NOPREFIX | (wraps ? DT_WORDBREAK | DT_EDITCONTROL : DT_SINGLELINE));
  return needed.right <= client.right && (!wraps || needed.bottom <= client.bottom);
}

void CTransStatic::Paint(HDC target) {
  CControlBuffer buffer(GetSafeHwnd(), target);
  DrawSkinText(buffer.GetSafeHdc(), WindowDpi(GetSafeHwnd()), GetWindowText(), buffer.Client(), format_, fontHeight_,
               fontWeight_, colour_);
}

void CTransStatic::Repaint() const {
  if (GetSafeHwnd()) Invalidate(false);
}
