#include "skin/controls/gdip_icon_static.h"

#include "skin/controls/control_buffer.h"
#include "skin/skin_draw.h"

CGdipIconStatic::~CGdipIconStatic() {
  if (GetSafeHwnd()) UnmarkSkinnedWindow(GetSafeHwnd());
}

bool CGdipIconStatic::SetImage(UINT id) {
  bool loaded = image_.Load(id);
  if (GetSafeHwnd()) Invalidate(false);
  return loaded;
}

void CGdipIconStatic::OnAttached() { MarkSkinnedWindow(GetSafeHwnd()); }

LRESULT CGdipIconStatic::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      if (image_.IsLoaded()) {
        PaintDC paint(GetSafeHwnd());
        CControlBuffer buffer(GetSafeHwnd(), paint.GetSafeHdc());
        DrawSkinImage(buffer.GetSafeHdc(), image_, 0, 0, RectWidth(buffer.Client()), RectHeight(buffer.Client()));
        return 0;
      }
      break;
    case WM_NCDESTROY:
      UnmarkSkinnedWindow(GetSafeHwnd());
      break;
    default:
      break;
  }
  return CStatic::WindowProc(message, wParam, lParam);
}
