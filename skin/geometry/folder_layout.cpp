#include "skin/geometry/folder_layout.h"

namespace {
constexpr std::size_t kCellsPerRow = 4;
constexpr int kCellStep = 130;
constexpr int kTopMargin = 37;
constexpr std::size_t kLongestWholeName = 13;
constexpr std::size_t kShortenedLength = 9;
constexpr int kVisibleBelowMargin = 163;
}  // namespace

CellRect FolderCell(std::size_t index) {
  int left = static_cast<int>(index % kCellsPerRow) * kCellStep;
  int top = static_cast<int>(index / kCellsPerRow) * kCellStep + kTopMargin;
  return {left, top, left + kFolderCellSize, top + kFolderCellSize};
}

std::u16string FolderDisplayText(std::u16string_view name) {
  if (name.size() <= kLongestWholeName) return std::u16string(name);
  return std::u16string(name.substr(0, kShortenedLength)) + u"....";
}

int FolderScrollMax(std::size_t count) {
  if (count == 0) return 0;
  return FolderCell(count - 1).bottom - kVisibleBelowMargin;
}
