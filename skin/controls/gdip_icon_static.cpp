#include "skin/controls/gdip_icon_static.h"

#include <oleacc.h>

#include "skin/controls/control_buffer.h"
#include "skin/skin_draw.h"

bool CGdipIconStatic::SetImage(UINT id) {
  bool loaded = image_.Load(id);
  if (GetSafeHwnd()) Invalidate(false);
  return loaded;
}

bool CGdipIconStatic::Describe(AccessibleDescription& description) const {
  description.role = ROLE_SYSTEM_GRAPHIC;
  description.name = AccessibleName();
  return true;
}

void CGdipIconStatic::Paint(HDC target) {
  CControlBuffer buffer(GetSafeHwnd(), target);
  DrawSkinImage(buffer.GetSafeHdc(), image_, 0, 0, RectWidth(buffer.Client()), RectHeight(buffer.Client()));
}
