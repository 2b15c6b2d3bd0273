#include "skin/geometry/cell_formats.h"

#include <algorithm>

void CellFormatTable::SetColumn(int column, CellLook look) {
  std::erase_if(formats_, [column](const ColumnFormat& format) { return format.column == column; });
  formats_.push_back({column, look});
}

CellLook CellFormatTable::LookOf(int column) const {
  auto found = std::find_if(formats_.begin(), formats_.end(),
                            [column](const ColumnFormat& format) { return format.column == column; });
  return found == formats_.end() ? kDefaultCellLook : found->look;
}
