// The wizard's window and the format progress dialog that it opens share one size and one rounded
// outline.
#pragma once
#include <windows.h>

#include "skin/window_outline.h"

// Sizes `window` to 774 x 506 and clips it to the outline of the background's rounded corners.
inline void ShapeLikeWizard(HWND window) {
  constexpr int kWidth = 774, kHeight = 506;
  constexpr int kOutlineWidth = 773, kOutlineHeight = 504, kOutlineRadius = 17;
  SetWindowPos(window, nullptr, 0, 0, kWidth, kHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ApplyRoundedOutline(window, kOutlineWidth, kOutlineHeight, kOutlineRadius);
}
