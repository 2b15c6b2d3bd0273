// A window's one layout table applied at the window's DPI: every dialog, wizard page and the
// information popup hold one and apply it when they are made and whenever their DPI changes.
#pragma once
#include <windows.h>

#include <span>
#include <vector>

#include "framework/wnd.h"
#include "skin/skin_draw.h"

class WindowLayout {
 public:
  explicit WindowLayout(std::span<const ControlPlacement> table) : table_(table) {}

  // Moves, sizes, orders and names the controls of `window` at its DPI (LayOutControls). A control
  // with a font role is a label: it shows its text key translated in the skin font of that role
  // (a label the window does not hold is made one that lives as long as its control); any other
  // control with a font role (an edit) gets that skin font made for the DPI. Call once the window's
  // own control objects are bound.
  void Apply(HWND window);

 private:
  struct RoleFont {
    FontRole role;
    SkinFontCache font;
  };
  HFONT FontFor(const FontRole& role, UINT dpi);

  std::span<const ControlPlacement> table_;
  std::vector<RoleFont> fonts_;
};
