#include "skin/controls/fill_drawing.h"

#include <algorithm>

#include "framework/dpi.h"

namespace {
// Draws the first `share` (0-1] of `image` along the fill into the destination: a piece cut at the
// fill's end keeps its own proportions along the bar and is only stretched across it. The piece is
// taken from the image's form for `dpi`, so that pieces meet without seams at any scale.
void DrawPieceStart(HDC dc, UINT dpi, const CGdiPlusBitmap& image, const Gdiplus::Rect& destination,
                    FillDirection direction, double share) {
  if (!image.IsLoaded() || destination.Width <= 0 || destination.Height <= 0) return;
  Gdiplus::Bitmap* source = image.SourceFor(ScaleToDpi(image.Width(), dpi), ScaleToDpi(image.Height(), dpi));
  if (!source) return;
  int sourceWidth = static_cast<int>(source->GetWidth());
  int sourceHeight = static_cast<int>(source->GetHeight());
  if (direction == FillDirection::kRight) {
    sourceWidth = std::max(1, static_cast<int>(sourceWidth * share + 0.5));
  } else {
    sourceHeight = std::max(1, static_cast<int>(sourceHeight * share + 0.5));
  }
  Gdiplus::Graphics graphics(dc);
  Gdiplus::ImageAttributes attributes;
  // Scaling samples beyond the source's edge; mirroring there keeps the edges opaque.
  attributes.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
  graphics.DrawImage(source, destination, 0, 0, sourceWidth, sourceHeight, Gdiplus::UnitPixel, &attributes);
}
}  // namespace

void DrawFill(HDC dc, UINT dpi, const std::vector<PieceSpan>& pieces, const FillImages& images, FillDirection direction,
              int thickness) {
  for (const PieceSpan& span : pieces) {
    const CGdiPlusBitmap& image = span.piece == BarPiece::kStart   ? images.start
                                  : span.piece == BarPiece::kMiddle ? images.middle
                                                                    : images.end;
    double share = std::min(1.0, static_cast<double>(span.length) / kBarPieceLength);
    // The pieces are at 96 DPI; both ends are scaled, so that neighbouring pieces stay neighbours.
    const int offset = ScaleToDpi(span.offset, dpi);
    const int length = ScaleToDpi(span.offset + span.length, dpi) - offset;
    Gdiplus::Rect destination = direction == FillDirection::kRight ? Gdiplus::Rect(offset, 0, length, thickness)
                                                                   : Gdiplus::Rect(0, offset, thickness, length);
    DrawPieceStart(dc, dpi, image, destination, direction, share);
  }
}
