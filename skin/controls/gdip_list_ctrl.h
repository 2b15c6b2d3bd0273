// The skinned report list: rows of 30 pixels drawn cell by cell over the parent's background
// (custom draw), a dark fill for the selected row, a grid of 1-pixel lines, the skinned header,
// and cells of chosen columns edited through the shared in-place drop-down list.
//
// Messages to the parent: WM_LIST_SCROLLED (posted) after a scroll, a wheel turn or a key;
// WM_CELL_CHOICES (sent) with the row and a CellChoices* to fill when an editable cell of the
// selected row is clicked; WM_CELL_EDITED (posted) with row and column once an edit is stored.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "skin/geometry/cell_formats.h"
#include "skin/controls/gdip_header_ctrl.h"
#include "skin/controls/skinned_window.h"
#include "skin/my_mem_dc.h"
#include "framework/controls.h"

using CellChoices = std::vector<std::wstring>;

class CGdipListCtrl : public CSkinnedWindow<CListCtrl> {
 public:
  static constexpr int kRowHeight = 30;

  CGdipListCtrl();
  ~CGdipListCtrl() override;

  // Makes column 1 editable through the in-place list.
  void AddListColumn();
  // Every cell of `column` is drawn in this font height and colour.
  void SetColumnFormat(int column, int fontHeight, COLORREF textColour);

  CGdipHeaderCtrl& Header() { return header_; }

 protected:
  virtual void DrawCell(HDC dc, int row, int column, const RECT& rect, bool selected, bool focused);
  // Below the last row: empty cells of the same grid down to the bottom.
  virtual void DrawEmptyArea(const NMCUSTOMDRAW& paint);
  virtual void DrawCellBackground(HDC dc, const RECT& rect, bool selected, bool focused, int row);

  void OnAttached() override;
  void OnDpiChanged() override;
  // A row's height at the window's DPI.
  int RowHeight() const;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  LRESULT OnCustomDraw(const NMCUSTOMDRAW& draw);
  void DrawRow(HDC dc, int row);
  // The cells of a row at `top`, from the rows' left edge, one per column.
  std::vector<RECT> CellRects(int top, int bottom) const;
  int RowsLeft() const;
  // Left button: Shift or Control clicks and clicks beside the rows change nothing; a click on an
  // editable cell of the row that was selected already opens the editor.
  void OnLeftButtonDown(WPARAM keys, LPARAM lParam);
  void EditCell(int row, int column, const RECT& cell);
  void OnEditEnded(const NMLVDISPINFOW& info);
  // The header gets the list's background under it, the in-place editor the selected row's fill.
  void LendToChild(HWND child, HDC dc);
  void BuildBackgroundCache();

  CGdipHeaderCtrl header_;
  std::unique_ptr<CMyMemDC> backgroundCache_;
  std::vector<int> listColumns_;
  CellFormatTable formats_;
};
