// The look of a list's cells by column: font height and text colour.
#pragma once
#include <cstdint>
#include <vector>

struct CellLook {
  int fontHeight;
  std::uint32_t textColour;  // COLORREF, 0x00BBGGRR
  bool operator==(const CellLook&) const = default;
};

// The look of cells without a format of their own: height 17, white.
inline constexpr CellLook kDefaultCellLook{17, 0xFFFFFF};

class CellFormatTable {
 public:
  // Every cell of `column` gets this look from now on.
  void SetColumn(int column, CellLook look);
  // The look of the cells of `column`; the default look without a format.
  CellLook LookOf(int column) const;

 private:
  struct ColumnFormat {
    int column;
    CellLook look;
  };
  std::vector<ColumnFormat> formats_;
};
