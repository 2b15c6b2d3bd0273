#include "skin/underline_button.h"

#include "res/resource.h"
#include "skin/skin_draw.h"

namespace {
constexpr UINT kLineImage = IDB_UNDERLINE;
constexpr int kTextHeight = 18;
constexpr int kTextX = 60;
constexpr int kSelectedTextX = 85;
constexpr int kTextLift = 2;
}  // namespace

void CUnderLineButton::OnAttached() {
  CSkinButton::OnAttached();
  line_.Load(kLineImage);
}

void CUnderLineButton::SetSelected(bool selected) {
  selected_ = selected;
  if (GetSafeHwnd()) Invalidate(false);
}

void CUnderLineButton::DrawFace(HDC dc, const RECT& client, UINT itemState) {
  const UINT dpi = WindowDpi(GetSafeHwnd());
  const int line = ScaleToDpi(1, dpi);
  DrawSkinImage(dc, line_, 0, client.bottom - line, RectWidth(client), line);
  if (!DrawsText()) return;
  COLORREF colour = (itemState & ODS_DISABLED) ? kSkinDisabledGrey : selected_ ? kSkinHighlight : kSkinWhite;
  RECT rect = {ScaleToDpi(selected_ ? kSelectedTextX : kTextX, dpi), 0, client.right,
               client.bottom - ScaleToDpi(kTextLift, dpi)};
  DrawSkinText(dc, dpi, GetWindowText(), rect, DT_SINGLELINE | DT_BOTTOM, kTextHeight, FW_THIN,
               colour);
}
