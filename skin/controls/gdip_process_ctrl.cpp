#include "skin/controls/gdip_process_ctrl.h"

#include <oleacc.h>

#include <string>

#include "skin/controls/control_buffer.h"
#include "skin/controls/fill_drawing.h"
#include "skin/geometry/gauge_math.h"
#include "skin/skin_draw.h"

void CGdipProcessCtrl::LoadImages(UINT backgroundId, UINT leftId, UINT middleId, UINT rightId) {
  background_.Load(backgroundId);
  left_.Load(leftId);
  middle_.Load(middleId);
  right_.Load(rightId);
  imagesLoaded_ = true;
  if (GetSafeHwnd()) Invalidate(false);
}

LRESULT CGdipProcessCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case PBM_SETPOS:
    case PBM_DELTAPOS:
    case PBM_STEPIT:
    case PBM_SETRANGE:
    case PBM_SETRANGE32: {
      // The platform bar invalidates only what its own drawing would change: repaint all of ours.
      LRESULT result = CSkinnedWindow::WindowProc(message, wParam, lParam);
      if (imagesLoaded_) Invalidate(false);
      return result;
    }
    default:
      return CSkinnedWindow::WindowProc(message, wParam, lParam);
  }
}

void CGdipProcessCtrl::Paint(HDC target) {
  CControlBuffer buffer(GetSafeHwnd(), target);
  HDC dc = buffer.GetSafeHdc();
  int width = RectWidth(buffer.Client());
  int height = RectHeight(buffer.Client());
  DrawSkinImage(dc, background_, 0, 0, width, height);
  PBRANGE range = GetRange();
  // The fill is worked out at 96 DPI, where the end cap's place is known, and drawn at the window's.
  const UINT dpi = WindowDpi(GetSafeHwnd());
  int filled = FillLength(GetPos(), range.iLow, range.iHigh, UnscaleFromDpi(width, dpi));
  DrawFill(dc, dpi, FillPieces(filled, kProgressEndCapAt), {left_, middle_, right_}, FillDirection::kRight, height);
}

bool CGdipProcessCtrl::Describe(AccessibleDescription& description) const {
  description.role = ROLE_SYSTEM_PROGRESSBAR;
  description.name = AccessibleName();
  const LRESULT low = SendMessage(PBM_GETRANGE, TRUE);
  const LRESULT high = SendMessage(PBM_GETRANGE, FALSE);
  const LRESULT position = SendMessage(PBM_GETPOS);
  const LRESULT span = high - low;
  description.value = std::to_wstring(span > 0 ? (position - low) * 100 / span : 0) + L"%";
  return true;
}
