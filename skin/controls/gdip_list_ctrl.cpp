#include "skin/controls/gdip_list_ctrl.h"

#include <algorithm>

#include "base/messages.h"
#include "i18n/win/win_language.h"
#include "skin/controls/gdip_list_combo_box.h"
#include "skin/controls/mouse_point.h"
#include "skin/skin_draw.h"

namespace {
constexpr COLORREF kSelectedRow = 0x505050;
constexpr COLORREF kGridLine = 0x4B4B4B;
constexpr COLORREF kPromptColour = 0x969696;
constexpr int kCellTextInset = 5;
constexpr int kEditableColumn = 1;

// The lists alive; the shared in-place editor goes with the last one.
int liveLists = 0;

UINT Alignment(int format) {
  switch (format & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_RIGHT:
      return DT_RIGHT;
    case LVCFMT_CENTER:
      return DT_CENTER;
    default:
      return DT_LEFT;
  }
}
}  // namespace

CGdipListCtrl::CGdipListCtrl() { ++liveLists; }

CGdipListCtrl::~CGdipListCtrl() {
  if (--liveLists == 0) CGdipListComboBox::ReleaseShared();
}

void CGdipListCtrl::AddListColumn() {
  if (std::find(listColumns_.begin(), listColumns_.end(), kEditableColumn) == listColumns_.end()) {
    listColumns_.push_back(kEditableColumn);
  }
}

void CGdipListCtrl::SetColumnFormat(int column, int fontHeight, COLORREF textColour) {
  formats_.SetColumn(column, {fontHeight, textColour});
  if (GetSafeHwnd()) Invalidate(false);
}

void CGdipListCtrl::OnAttached() {
  OnDpiChanged();
  // A click anywhere in a row selects it, so that every cell can be clicked for editing.
  SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  header_.SubclassWindow(GetHeaderCtrl());
  CSkinnedWindow::OnAttached();
}

void CGdipListCtrl::OnDpiChanged() {
  // Rows take the height of the small image list (plus the list's own pixel); the list owns the
  // image list it holds and hands back the one it held before.
  HIMAGELIST rows = ImageList_Create(1, RowHeight() - 1, ILC_COLOR32, 1, 0);
  const LRESULT previous = SendMessage(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(rows));
  if (previous) ImageList_Destroy(reinterpret_cast<HIMAGELIST>(previous));
}

int CGdipListCtrl::RowHeight() const { return ScaleToDpi(kRowHeight, WindowDpi(GetSafeHwnd())); }

LRESULT CGdipListCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
      OnLeftButtonDown(wParam, lParam);
      return 0;
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
    case WM_KEYDOWN: {
      LRESULT result = CSkinnedWindow::WindowProc(message, wParam, lParam);
      ::PostMessageW(GetParent(), WM_LIST_SCROLLED, 0, 0);
      return result;
    }
    case WM_DRAW_PARENT_BG:
      LendToChild(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam));
      // Handled: the list view's own erasing would paint its plain background over it.
      return TRUE;
    case WM_DESTROY:
      backgroundCache_.reset();
      break;
    default:
      break;
  }
  return CSkinnedWindow::WindowProc(message, wParam, lParam);
}

bool CGdipListCtrl::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
  if (message != WM_NOTIFY) return false;
  const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
  switch (header.code) {
    case NM_CUSTOMDRAW:
      result = OnCustomDraw(*reinterpret_cast<const NMCUSTOMDRAW*>(lParam));
      return true;
    case LVN_ENDLABELEDITW:
      OnEditEnded(*reinterpret_cast<const NMLVDISPINFOW*>(lParam));
      result = 0;
      return true;
    default:
      return false;
  }
}

LRESULT CGdipListCtrl::OnCustomDraw(const NMCUSTOMDRAW& draw) {
  switch (draw.dwDrawStage) {
    case CDDS_PREPAINT:
      BuildBackgroundCache();
      return CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
    case CDDS_ITEMPREPAINT:
      DrawRow(draw.hdc, static_cast<int>(draw.dwItemSpec));
      return CDRF_SKIPDEFAULT;
    case CDDS_POSTPAINT:
      DrawEmptyArea(draw);
      return CDRF_DODEFAULT;
    default:
      return CDRF_DODEFAULT;
  }
}

void CGdipListCtrl::DrawRow(HDC dc, int row) {
  RECT bounds = GetItemRect(row, LVIR_BOUNDS);
  UINT state = GetItemState(row, LVIS_SELECTED | LVIS_FOCUSED);
  bool selected = (state & LVIS_SELECTED) != 0;
  bool focused = (state & LVIS_FOCUSED) != 0;
  std::vector<RECT> cells = CellRects(bounds.top, bounds.bottom);
  for (size_t column = 0; column < cells.size(); ++column) {
    DrawCellBackground(dc, cells[column], selected, focused, row);
    DrawCell(dc, row, static_cast<int>(column), cells[column], selected, focused);
  }
  // Right of the last column the parent's background shows.
  RECT client = GetClientRect();
  RECT rest{cells.empty() ? client.left : cells.back().right, bounds.top, client.right, bounds.bottom};
  if (backgroundCache_ && rest.left < rest.right) {
    ::BitBlt(dc, rest.left, rest.top, RectWidth(rest), RectHeight(rest), backgroundCache_->GetSafeHdc(), rest.left,
             rest.top, SRCCOPY);
  }
}

void CGdipListCtrl::DrawCell(HDC dc, int row, int column, const RECT& rect, bool, bool) {
  CellLook look = formats_.LookOf(column);
  std::wstring text = GetItemText(row, column);
  COLORREF colour = text == Tr(L"select") ? kPromptColour : look.textColour;
  LVCOLUMNW format{};
  format.mask = LVCF_FMT;
  SendMessage(LVM_GETCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&format));
  const int inset = ScaleToDpi(kCellTextInset, WindowDpi(GetSafeHwnd()));
  RECT area{rect.left + inset, rect.top, rect.right - inset, rect.bottom};
  DrawSkinText(dc, WindowDpi(GetSafeHwnd()), text, area,
               DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX | Alignment(format.fmt), look.fontHeight,
               FW_NORMAL, colour);
}

void CGdipListCtrl::DrawEmptyArea(const NMCUSTOMDRAW& paint) {
  RECT client = GetClientRect();
  int count = GetItemCount();
  // Below the last row, or below the header (at the list's top) when there are no rows.
  int top = count > 0 ? GetItemRect(count - 1, LVIR_BOUNDS).bottom
                      : (header_.GetSafeHwnd() ? RectHeight(header_.GetWindowRect()) : 0);
  if (top >= client.bottom) return;
  if (backgroundCache_) {
    ::BitBlt(paint.hdc, 0, top, RectWidth(client), client.bottom - top, backgroundCache_->GetSafeHdc(), 0, top,
             SRCCOPY);
  }
  const int rowHeight = RowHeight();
  for (int rowTop = top; rowTop < client.bottom; rowTop += rowHeight) {
    for (const RECT& cell : CellRects(rowTop, rowTop + rowHeight)) {
      DrawCellBackground(paint.hdc, cell, false, false, -1);
    }
  }
}

void CGdipListCtrl::DrawCellBackground(HDC dc, const RECT& rect, bool selected, bool, int) {
  CDC canvas(dc);
  if (selected) {
    canvas.FillSolidRect(rect, kSelectedRow);
  } else if (backgroundCache_) {
    ::BitBlt(dc, rect.left, rect.top, RectWidth(rect), RectHeight(rect), backgroundCache_->GetSafeHdc(), rect.left,
             rect.top, SRCCOPY);
  }
  canvas.FillSolidRect(RECT{rect.right - 1, rect.top, rect.right, rect.bottom}, kGridLine);
  canvas.FillSolidRect(RECT{rect.left, rect.bottom - 1, rect.right, rect.bottom}, kGridLine);
}

std::vector<RECT> CGdipListCtrl::CellRects(int top, int bottom) const {
  std::vector<RECT> cells;
  int left = RowsLeft();
  int columns = header_.GetSafeHwnd() ? header_.GetItemCount() : 0;
  for (int column = 0; column < columns; ++column) {
    int width = GetColumnWidth(column);
    cells.push_back(RECT{left, top, left + width, bottom});
    left += width;
  }
  return cells;
}

int CGdipListCtrl::RowsLeft() const {
  // Rows move left when the list is scrolled sideways; without rows nothing is scrolled.
  return GetItemCount() > 0 ? GetItemRect(0, LVIR_BOUNDS).left : 0;
}

void CGdipListCtrl::OnLeftButtonDown(WPARAM keys, LPARAM lParam) {
  if (keys & (MK_SHIFT | MK_CONTROL)) return;
  POINT point = MousePoint(lParam);
  LVHITTESTINFO hit{};
  hit.pt = point;
  int row = HitTest(hit);
  if (row < 0) return;
  bool wasSelected = GetItemState(row, LVIS_SELECTED) != 0;
  Default(WM_LBUTTONDOWN, keys, lParam);
  if (!wasSelected || (GetStyle() & LVS_TYPEMASK) != LVS_REPORT) return;
  RECT bounds = GetItemRect(row, LVIR_BOUNDS);
  std::vector<RECT> cells = CellRects(bounds.top, bounds.bottom);
  for (size_t column = 0; column < cells.size(); ++column) {
    const RECT& cell = cells[column];
    bool editable = std::find(listColumns_.begin(), listColumns_.end(), static_cast<int>(column)) != listColumns_.end();
    if (point.x >= cell.left && point.x < cell.right) {
      if (editable) EditCell(row, static_cast<int>(column), cell);
      return;
    }
  }
}

void CGdipListCtrl::EditCell(int row, int column, const RECT& cell) {
  CellChoices choices;
  ::SendMessageW(GetParent(), WM_CELL_CHOICES, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&choices));
  std::wstring text = GetItemText(row, column);
  CGdipListComboBox& editor = CGdipListComboBox::Shared();
  if (editor.ShowInPlace(cell, GetSafeHwnd(), row, column, choices, -1, text)) editor.SelectString(text);
}

void CGdipListCtrl::OnEditEnded(const NMLVDISPINFOW& info) {
  SetItemText(info.item.iItem, info.item.iSubItem, info.item.pszText ? info.item.pszText : L"");
  ::PostMessageW(GetParent(), WM_CELL_EDITED, static_cast<WPARAM>(info.item.iItem), info.item.iSubItem);
}

void CGdipListCtrl::LendToChild(HWND child, HDC dc) {
  if (child == header_.GetSafeHwnd()) {
    BuildBackgroundCache();
    ::LendBackground(GetSafeHwnd(), backgroundCache_->GetSafeHdc(), child, dc);
    return;
  }
  RECT area{};
  ::GetClientRect(child, &area);
  CDC(dc).FillSolidRect(area, kSelectedRow);
}

void CGdipListCtrl::BuildBackgroundCache() {
  if (backgroundCache_) return;
  RECT client = GetClientRect();
  WindowDC window(GetSafeHwnd());
  backgroundCache_ = std::make_unique<CMyMemDC>(window.GetSafeHdc(), &client);
  backgroundCache_->DetachTarget();
  PaintParentBackground(GetSafeHwnd(), backgroundCache_->GetSafeHdc());
}
