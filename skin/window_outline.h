// The rounded outline the skinned windows are clipped to, so that the background image's rounded
// corners are the window's own.
#pragma once
#include <windows.h>

#include <vector>

// A polygon along the edge of a width x height rectangle with quarter circles of `radius` in the
// corners, one vertex per degree step of a pixel; to be filled WINDING.
std::vector<POINT> RoundedOutline(int width, int height, int radius);
// Clips `window` to RoundedOutline; the window owns the region from then on.
bool ApplyRoundedOutline(HWND window, int width, int height, int radius);

// A skinned window's size and the rounded outline of its background image (which may stop a pixel
// or two short of the window's edge), at 96 DPI.
struct WindowShape {
  int width;
  int height;
  int outlineWidth;
  int outlineHeight;
  int radius;
};
// Sizes `window` (its position unchanged) and clips it to the shape's outline, both at the
// window's DPI.
bool ApplyWindowShape(HWND window, const WindowShape& shape);
