#include "skin/geometry/fine_detail.h"

#include <cmath>
#include <cstddef>
#include <vector>

namespace {
// Rec. 601 brightness, 0 to 255.
double Brightness(std::uint32_t pixel) {
  return 0.299 * ((pixel >> 16) & 0xFF) + 0.587 * ((pixel >> 8) & 0xFF) + 0.114 * (pixel & 0xFF);
}
}  // namespace

double FineDetail(std::span<const std::uint32_t> pixels, int width, int height) {
  if (width < 3 || height < 3 || pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
    return 0.0;
  }
  std::vector<double> grey(pixels.size());
  for (std::size_t index = 0; index < pixels.size(); ++index) grey[index] = Brightness(pixels[index]);
  const auto at = [&](int x, int y) { return grey[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + x]; };
  double sum = 0.0;
  for (int y = 1; y + 1 < height; ++y) {
    for (int x = 1; x + 1 < width; ++x) {
      double neighbourhood = 0.0;
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) neighbourhood += at(x + dx, y + dy);
      }
      sum += std::fabs(at(x, y) - neighbourhood / 9.0);
    }
  }
  return sum / (static_cast<double>(width - 2) * static_cast<double>(height - 2));
}
