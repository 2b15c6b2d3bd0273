// The arithmetic of the skin's bars and gauges: how much of a bar a position fills, which image
// pieces make up the fill, where a point on a slider lands, and the usage percentage of a volume.
#pragma once
#include <cstdint>
#include <vector>

// The filled length of a bar `length` pixels long at `position` in the range low..high, rounded to
// the nearest pixel with halves going up and kept within 0..length. An empty range fills it all.
int FillLength(int position, int low, int high, int length);

// The images a fill is made of: the cap at its start, 10-pixel tiles, and the cap at its far end.
enum class BarPiece { kStart, kMiddle, kEnd };

struct PieceSpan {
  BarPiece piece;
  int offset;  // from the start of the bar, along its length
  int length;
  bool operator==(const PieceSpan&) const = default;
};

// The skin's pieces are 10 pixels long; a fill is the start cap, then tiles (the last one cut to
// what is left), and, once the fill reaches `endCapAt`, the end cap from there on.
inline constexpr int kBarPieceLength = 10;
// The format progress bar (357 pixels wide) ends in its cap from x 347.
inline constexpr int kProgressEndCapAt = 347;
// The share list's gauge (200 pixels high) ends in its cap from y 190.
inline constexpr int kGaugeEndCapAt = 190;

// The pieces of a fill `filled` pixels long; pieces of no length are left out.
std::vector<PieceSpan> FillPieces(int filled, int endCapAt);

// The slider position of a point at `coordinate` on a channel from `channelStart` to `channelEnd`
// (the point's share t of the channel, min + t * (max - min + 1) + 0.5 - t, truncated), kept within
// min..max. A channel of no length gives min.
int SliderPositionAt(int coordinate, int channelStart, int channelEnd, int min, int max);

// How full a volume is, in percent: used * 100 / total, rounded with halves going up. A total of
// 0 GB (a volume below 1 GB) shows 0%; sizes that do not fit together (more used than there is, or
// negative) are kept within 0..100.
int UsagePercent(std::int64_t usedGB, std::int64_t totalGB);
