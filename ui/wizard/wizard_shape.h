// The wizard's window and the format progress dialog that it opens share one size and one rounded
// outline.
#pragma once
#include <windows.h>

#include "skin/window_outline.h"

// 774 x 506, clipped to the outline of the background's rounded corners.
inline constexpr WindowShape kWizardShape{774, 506, 773, 504, 17};
