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

int FolderAfterKey(int selected, std::size_t count, FolderKey key) {
  if (count == 0) return -1;
  const int last = static_cast<int>(count) - 1;
  if (selected < 0 || selected > last) return 0;
  const int row = static_cast<int>(kCellsPerRow);
  switch (key) {
    case FolderKey::kLeft: return selected > 0 ? selected - 1 : 0;
    case FolderKey::kRight: return selected < last ? selected + 1 : last;
    case FolderKey::kUp: return selected >= row ? selected - row : selected;
    case FolderKey::kDown: return selected + row <= last ? selected + row : (selected / row < last / row ? last : selected);
    case FolderKey::kHome: return 0;
    case FolderKey::kEnd: return last;
  }
  return selected;
}

int FolderScrollToShow(std::size_t index, std::size_t count, int scrollY) {
  const CellRect cell = FolderCell(index);
  const int visible = kTopMargin + kVisibleBelowMargin;
  int scroll = scrollY;
  if (cell.top - kTopMargin < scroll) scroll = cell.top - kTopMargin;
  if (cell.bottom > scroll + visible) scroll = cell.bottom - visible;
  if (scroll < 0) scroll = 0;
  const int most = FolderScrollMax(count);
  return scroll > most ? (most > 0 ? most : 0) : scroll;
}
