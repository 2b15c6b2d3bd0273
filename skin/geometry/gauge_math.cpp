#include "skin/geometry/gauge_math.h"

#include <algorithm>
#include <cstdint>

int FillLength(int position, int low, int high, int length) {
  if (length <= 0) return 0;
  if (high == low) return length;
  // (position - low) * length / (high - low), rounded half up, in 64 bits so no product overflows.
  std::int64_t numerator = static_cast<std::int64_t>(position - static_cast<std::int64_t>(low)) * length;
  std::int64_t span = static_cast<std::int64_t>(high) - low;
  if (span < 0) {
    numerator = -numerator;
    span = -span;
  }
  if (numerator <= 0) return 0;
  std::int64_t filled = (2 * numerator + span) / (2 * span);
  return static_cast<int>(std::min<std::int64_t>(filled, length));
}

std::vector<PieceSpan> FillPieces(int filled, int endCapAt) {
  std::vector<PieceSpan> pieces;
  if (filled <= 0) return pieces;
  pieces.push_back({BarPiece::kStart, 0, std::min(filled, kBarPieceLength)});
  int tilesEnd = std::min(filled, endCapAt);
  for (int offset = kBarPieceLength; offset < tilesEnd; offset += kBarPieceLength) {
    pieces.push_back({BarPiece::kMiddle, offset, std::min(kBarPieceLength, tilesEnd - offset)});
  }
  if (filled > endCapAt) pieces.push_back({BarPiece::kEnd, endCapAt, filled - endCapAt});
  return pieces;
}

int SliderPositionAt(int coordinate, int channelStart, int channelEnd, int min, int max) {
  if (channelEnd == channelStart) return min;
  double t = static_cast<double>(coordinate - channelStart) / (channelEnd - channelStart);
  double position = min + t * (static_cast<double>(max) - min + 1) + 0.5 - t;
  double low = std::min(min, max);
  double high = std::max(min, max);
  return static_cast<int>(std::clamp(position, low, high));
}

int UsagePercent(std::int64_t usedGB, std::int64_t totalGB) {
  if (totalGB <= 0) return 0;
  double percent = static_cast<double>(usedGB) * 100.0 / totalGB + 0.5;
  return static_cast<int>(std::clamp(percent, 0.0, 100.0));
}
