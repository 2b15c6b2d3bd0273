#include "skin/bottom_icon_button.h"

#include "skin/skin_draw.h"

namespace {
constexpr int kTextHeight = 16;
}  // namespace

void CBottomIconButton::DrawFace(HDC dc, const RECT& client, UINT itemState) {
  if (!DrawsText()) return;
  COLORREF colour = (itemState & ODS_DISABLED) ? kSkinDisabledGrey : IsHovered() ? kSkinWhite : kSkinDimGrey;
  DrawSkinText(dc, WindowDpi(GetSafeHwnd()), GetWindowText(), client, DT_CENTER | DT_SINGLELINE, kTextHeight, FW_THIN,
               colour);
}
