// The background protocol for windows that hold skinned children of their own (the panels, the
// information popup): a child's request is answered with the background the holder's own parent
// lends, placed so that the child gets what lies under the child, not under the holder's corner.
#pragma once
#include <windows.h>

// Paints into `dc` (the buffer of `child`, a child of `holder`) the part of the holder's parent's
// background that lies under the child.
void LendParentBackgroundToChild(HWND holder, HWND child, HDC dc);
