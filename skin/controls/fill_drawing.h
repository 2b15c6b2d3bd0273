// Draws the pieces of a bar's fill (gauge_math.h) from the skin's piece images, each stretched
// across the bar's thickness.
#pragma once
#include <windows.h>

#include <vector>

#include "skin/geometry/gauge_math.h"
#include "skin/gdiplus_bitmap.h"

struct FillImages {
  const CGdiPlusBitmap& start;
  const CGdiPlusBitmap& middle;
  const CGdiPlusBitmap& end;
};

enum class FillDirection { kRight, kDown };

void DrawFill(HDC dc, UINT dpi, const std::vector<PieceSpan>& pieces, const FillImages& images, FillDirection direction,
              int thickness);
