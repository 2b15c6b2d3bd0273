#include "skin/window_outline.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "framework/dpi.h"
#include "framework/gdi.h"

std::vector<POINT> RoundedOutline(int width, int height, int radius) {
  radius = std::clamp(radius, 0, std::min(width, height) / 2);
  // Enough steps that neighbouring vertices are about a pixel apart on the arc.
  int steps = std::max(1, static_cast<int>(std::ceil(radius * std::numbers::pi / 2)));
  struct Corner {
    double cx, cy, startAngle;
  };
  const Corner corners[] = {{static_cast<double>(width - radius), static_cast<double>(radius), -90.0},
                            {static_cast<double>(width - radius), static_cast<double>(height - radius), 0.0},
                            {static_cast<double>(radius), static_cast<double>(height - radius), 90.0},
                            {static_cast<double>(radius), static_cast<double>(radius), 180.0}};
  std::vector<POINT> points;
  points.reserve(static_cast<size_t>(4 * (steps + 1)));
  for (const Corner& corner : corners) {
    for (int step = 0; step <= steps; ++step) {
      double angle = (corner.startAngle + 90.0 * step / steps) * std::numbers::pi / 180.0;
      points.push_back({static_cast<LONG>(std::lround(corner.cx + radius * std::cos(angle))),
                        static_cast<LONG>(std::lround(corner.cy + radius * std::sin(angle)))});
    }
  }
  return points;
}

bool ApplyRoundedOutline(HWND window, int width, int height, int radius) {
  std::vector<POINT> points = RoundedOutline(width, height, radius);
  RegionHandle region(CreatePolygonRgn(points.data(), static_cast<int>(points.size()), WINDING));
  if (!region || !SetWindowRgn(window, region.Get(), TRUE)) return false;
  region.Release();  // the system owns it now
  return true;
}

bool ApplyWindowShape(HWND window, const WindowShape& shape) {
  const UINT dpi = WindowDpi(window);
  SetWindowPos(window, nullptr, 0, 0, ScaleToDpi(shape.width, dpi), ScaleToDpi(shape.height, dpi),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  return ApplyRoundedOutline(window, ScaleToDpi(shape.outlineWidth, dpi), ScaleToDpi(shape.outlineHeight, dpi),
                             ScaleToDpi(shape.radius, dpi));
}
