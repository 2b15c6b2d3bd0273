#include "skin/controls/fill_drawing.h"

#include "skin/skin_draw.h"

void DrawFill(HDC dc, const std::vector<PieceSpan>& pieces, const FillImages& images, FillDirection direction,
              int thickness) {
  for (const PieceSpan& span : pieces) {
    const CGdiPlusBitmap& image = span.piece == BarPiece::kStart   ? images.start
                                  : span.piece == BarPiece::kMiddle ? images.middle
                                                                    : images.end;
    if (direction == FillDirection::kRight) {
      DrawSkinImage(dc, image, span.offset, 0, span.length, thickness);
    } else {
      DrawSkinImage(dc, image, 0, span.offset, thickness, span.length);
    }
  }
}
