#include "skin/controls/fill_drawing.h"

#include <algorithm>

namespace {
// Draws the first `share` (0-1] of `image` along the fill into the destination: a piece cut at the
// fill's end keeps its own proportions along the bar and is only stretched across it.
void DrawPieceStart(HDC dc, const CGdiPlusBitmap& image, const Gdiplus::Rect& destination, FillDirection direction,
                    double share) {
  if (!image.IsLoaded() || destination.Width <= 0 || destination.Height <= 0) return;
  int sourceWidth = image.Width();
  int sourceHeight = image.Height();
  if (direction == FillDirection::kRight) {
    sourceWidth = std::max(1, static_cast<int>(sourceWidth * share + 0.5));
  } else {
    sourceHeight = std::max(1, static_cast<int>(sourceHeight * share + 0.5));
  }
  Gdiplus::Graphics graphics(dc);
  Gdiplus::ImageAttributes attributes;
  // Scaling samples beyond the source's edge; mirroring there keeps the edges opaque.
  attributes.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
  graphics.DrawImage(image.Get(), destination, 0, 0, sourceWidth, sourceHeight, Gdiplus::UnitPixel, &attributes);
}
}  // namespace

void DrawFill(HDC dc, const std::vector<PieceSpan>& pieces, const FillImages& images, FillDirection direction,
              int thickness) {
  for (const PieceSpan& span : pieces) {
    const CGdiPlusBitmap& image = span.piece == BarPiece::kStart   ? images.start
                                  : span.piece == BarPiece::kMiddle ? images.middle
                                                                    : images.end;
    double share = std::min(1.0, static_cast<double>(span.length) / kBarPieceLength);
    Gdiplus::Rect destination = direction == FillDirection::kRight
                                    ? Gdiplus::Rect(span.offset, 0, span.length, thickness)
                                    : Gdiplus::Rect(0, span.offset, thickness, span.length);
    DrawPieceStart(dc, image, destination, direction, share);
  }
}
