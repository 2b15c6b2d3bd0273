#include "skin/controls/panel_background.h"

#include "skin/skin_draw.h"

void LendParentBackgroundToChild(HWND holder, HWND child, HDC dc) {
  // The parent paints the holder's whole area at (0, 0); moving the origin by the child's place in
  // the holder lines the child's part up with the child's own (0, 0).
  RECT area{};
  GetWindowRect(child, &area);
  POINT corner{area.left, area.top};
  ScreenToClient(holder, &corner);
  POINT previous{};
  OffsetWindowOrgEx(dc, corner.x, corner.y, &previous);
  PaintParentBackground(holder, dc);
  SetWindowOrgEx(dc, previous.x, previous.y, nullptr);
}
