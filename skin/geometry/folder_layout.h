// Where the share list panel puts its folders: four cells of 116 x 116 pixels per row, 130 pixels
// apart, below a 37-pixel top margin; the names shown under them; and the scroll range once the
// folders no longer fit.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

inline constexpr std::size_t kMaxFolders = 26;
inline constexpr int kFolderCellSize = 116;
// The panel scrolls once it holds this many folders (a second row).
inline constexpr std::size_t kFoldersBeforeScrolling = 5;

struct CellRect {
  int left, top, right, bottom;
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  bool operator==(const CellRect&) const = default;
};

// The cell of the folder at `index`, in list coordinates (before scrolling).
CellRect FolderCell(std::size_t index);

// The text shown for a folder: the name itself when it has fewer than 14 characters, else its
// first 9 characters and "....".
std::u16string FolderDisplayText(std::u16string_view name);

// The keys that move the selection of the share list.
enum class FolderKey { kLeft, kRight, kUp, kDown, kHome, kEnd };
// The folder selected after `key` with `selected` selected (-1: none) among `count`: left and right
// step one folder, up and down one row, staying on the list; with none selected the first key
// selects the first folder. -1 for an empty list.
int FolderAfterKey(int selected, std::size_t count, FolderKey key);
// The scroll offset, near `scrollY`, at which the folder at `index` is whole in view among `count`.
int FolderScrollToShow(std::size_t index, std::size_t count, int scrollY);

// The largest scroll offset for `count` folders: the last cell's bottom less 163 (the visible
// height of the panel less its top margin); 0 for no folders.
int FolderScrollMax(std::size_t count);
