#include "skin/controls/folder_list_ctrl.h"

#include <oleacc.h>

#include <algorithm>

#include "base/win/ansi_text.h"
#include "base/messages.h"
#include "res/resource.h"
#include "skin/controls/mouse_point.h"
#include "skin/my_mem_dc.h"
#include "skin/skin_draw.h"

namespace {
constexpr UINT kSelectionImage = IDB_FOLDER_SELECTION;
constexpr UINT kFolderImage = IDB_FOLDER;
constexpr int kFolderIconSize = 74;
constexpr UINT kScrollBarId = 1;
constexpr DWORD kScrollBarStyle = WS_CHILD | WS_VISIBLE | TBS_VERT | TBS_BOTH | TBS_NOTICKS;
constexpr RECT kScrollBarPlace{506, 0, 519, 200};
constexpr int kScrollBarWidth = 13;
constexpr int kBottomMargin = 37;
constexpr int kNameFontHeight = 18;
constexpr int kNameLift = 10;

}  // namespace


void CFolderListCtrl::AddFolder(const wchar_t* name) {
  if (!name || items_.size() >= kMaxFolders) return;
  items_.push_back({ToWide(FolderDisplayText(ToU16(name))), FolderCell(items_.size()), name});
  UpdateScrollBar();
  Invalidate(false);
}

void CFolderListCtrl::ClearFolders() {
  items_.clear();
  UpdateScrollBar();
  Invalidate(false);
}

void CFolderListCtrl::UpdateScrollBar() {
  scrollY_ = 0;
  if (!scrollBar_.GetSafeHwnd()) return;
  if (items_.size() >= kFoldersBeforeScrolling) {
    scrollBar_.SetRange(0, FolderScrollMax(items_.size()));
    scrollBar_.SetPos(0);
    scrollBar_.ShowWindow(SW_SHOW);
  } else {
    scrollBar_.ShowWindow(SW_HIDE);
  }
}

LRESULT CFolderListCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  POINT point = MousePoint(lParam);
  switch (message) {
    case WM_CREATE:
      OnCreate();
      break;
    case WM_SIZE:
      PlaceScrollBar();
      break;
    case WM_LBUTTONDOWN:
      pressed_ = true;
      pressPoint_ = point;
      ::SetFocus(GetSafeHwnd());
      return 0;
    case WM_GETDLGCODE: {
      CSkinnedWindow::WindowProc(message, wParam, lParam);
      // The arrows choose a folder and Enter opens it, rather than moving through the dialog.
      const MSG* key = reinterpret_cast<const MSG*>(lParam);
      const bool enter = key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN;
      return DLGC_WANTARROWS | (enter ? DLGC_WANTMESSAGE : 0);
    }
    case WM_KEYDOWN:
      if (OnKey(wParam)) return 0;
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
      Invalidate(false);
      break;
    case WM_LBUTTONUP:
      if (pressed_ && point.x == pressPoint_.x && point.y == pressPoint_.y) {
        int item = ItemAt(point);
        if (item >= 0) selected_ = item;
        Invalidate(false);
      }
      pressed_ = false;
      return 0;
    case WM_LBUTTONDBLCLK: {
      int item = ItemAt(point);
      if (item >= 0) {
        selected_ = item;
        Invalidate(false);
        ::PostMessageW(GetParent(), WM_FOLDER_OPEN, static_cast<WPARAM>(item), 0);
      }
      return 0;
    }
    case WM_VSCROLL:
      if (reinterpret_cast<HWND>(lParam) == scrollBar_.GetSafeHwnd() && scrollBar_.GetSafeHwnd()) {
        scrollY_ = scrollBar_.GetPos();
        Invalidate(false);
        return 0;
      }
      break;
    default:
      break;
  }
  return CSkinnedWindow::WindowProc(message, wParam, lParam);
}

void CFolderListCtrl::OnCreate() {
  selectionImage_.Load(kSelectionImage);
  folderImage_.Load(kFolderImage);
  if (scrollBar_.CreateEx(0, TRACKBAR_CLASSW, L"", kScrollBarStyle, ScaleToDpi(kScrollBarPlace, WindowDpi(GetSafeHwnd())),
                          GetSafeHwnd(), kScrollBarId)) {
    // An empty list has nothing to scroll: the gauge waits for the fifth folder.
    scrollBar_.ShowWindow(SW_HIDE);
  }
}

void CFolderListCtrl::PlaceScrollBar() const {
  if (scrollBar_.GetSafeHwnd()) scrollBar_.MoveWindow(ScaleToDpi(kScrollBarPlace, WindowDpi(GetSafeHwnd())));
}

bool CFolderListCtrl::OnKey(WPARAM key) {
  FolderKey move = FolderKey::kHome;
  switch (key) {
    case VK_LEFT: move = FolderKey::kLeft; break;
    case VK_RIGHT: move = FolderKey::kRight; break;
    case VK_UP: move = FolderKey::kUp; break;
    case VK_DOWN: move = FolderKey::kDown; break;
    case VK_HOME: move = FolderKey::kHome; break;
    case VK_END: move = FolderKey::kEnd; break;
    case VK_RETURN:
      if (selected_ >= 0 && static_cast<size_t>(selected_) < items_.size()) {
        ::PostMessageW(GetParent(), WM_FOLDER_OPEN, static_cast<WPARAM>(selected_), 0);
      }
      return true;
    default:
      return false;
  }
  Select(FolderAfterKey(selected_, items_.size(), move));
  return true;
}

void CFolderListCtrl::Select(int item) {
  if (item < 0) return;
  selected_ = item;
  scrollY_ = FolderScrollToShow(static_cast<size_t>(item), items_.size(), scrollY_);
  if (scrollBar_.GetSafeHwnd() && scrollBar_.IsWindowVisible()) scrollBar_.SetPos(scrollY_);
  Invalidate(false);
}

int CFolderListCtrl::ItemAt(POINT point) const {
  for (size_t index = 0; index < items_.size(); ++index) {
    // Cells and the scroll offset are kept at 96 DPI; the point is the window's.
    const UINT dpi = WindowDpi(GetSafeHwnd());
    if (items_[index].cell.Contains(UnscaleFromDpi(point.x, dpi), UnscaleFromDpi(point.y, dpi) + scrollY_)) {
      return static_cast<int>(index);
    }
  }
  return -1;
}

void CFolderListCtrl::Paint(HDC target) {
  RECT client = GetClientRect();
  if (items_.empty()) {
    PaintParentBackground(GetSafeHwnd(), target);
    return;
  }
  // The parent's background under the panel, once, client-sized.
  CMyMemDC background(target, &client);
  background.DetachTarget();
  PaintParentBackground(GetSafeHwnd(), background.GetSafeHdc());

  // All rows on one tall bitmap with that background where the visible part is; the visible part
  // is then copied out at the scroll offset.
  // Cells and the scroll offset are kept at 96 DPI and drawn at the window's.
  const UINT dpi = WindowDpi(GetSafeHwnd());
  const int scrollY = ScaleToDpi(scrollY_, dpi);
  int width = std::max(0, RectWidth(client) - ScaleToDpi(kScrollBarWidth, dpi));
  int height = std::max(RectHeight(client) + scrollY, ScaleToDpi(items_.back().cell.bottom + kBottomMargin, dpi));
  RECT whole{0, 0, width, height};
  CMyMemDC rows(target, &whole);
  rows.DetachTarget();
  HDC dc = rows.GetSafeHdc();
  ::BitBlt(dc, 0, scrollY, width, RectHeight(client), background.GetSafeHdc(), 0, 0, SRCCOPY);
  FontHandle font = CreateSkinFont(dpi, kNameFontHeight);
  const int cellSize = ScaleToDpi(kFolderCellSize, dpi);
  const int iconSize = ScaleToDpi(kFolderIconSize, dpi);
  const int inset = (cellSize - iconSize) / 2;
  for (size_t index = 0; index < items_.size(); ++index) {
    const CellRect& at96 = items_[index].cell;
    const RECT cell = ScaleToDpi(RECT{at96.left, at96.top, at96.right, at96.bottom}, dpi);
    if (static_cast<int>(index) == selected_) {
      DrawSkinImage(dc, selectionImage_, cell.left, cell.top, cellSize, cellSize);
      if (GetFocus() == GetSafeHwnd() && ShowsFocusCues(GetSafeHwnd())) DrawSkinFocusMark(dc, cell);
    }
    DrawSkinImage(dc, folderImage_, cell.left + inset, cell.top + inset, iconSize, iconSize);
    RECT name{cell.left, cell.top, cell.right, cell.bottom - ScaleToDpi(kNameLift, dpi)};
    SelectGuard selectedFont(dc, font.Get());
    CDC(dc).DrawText(items_[index].displayText, name, DT_CENTER | DT_BOTTOM | DT_SINGLELINE | DT_NOPREFIX,
                     kSkinWhite);
  }
  ::BitBlt(target, 0, 0, width, RectHeight(client), dc, 0, scrollY, SRCCOPY);
  // The rows stop short of the scroll bar; while it is hidden, the background shows there.
  if (!scrollBar_.IsWindowVisible()) {
    ::BitBlt(target, width, 0, RectWidth(client) - width, RectHeight(client), background.GetSafeHdc(), width, 0,
             SRCCOPY);
  }
}

bool CFolderListCtrl::Describe(AccessibleDescription& description) const {
  description.role = ROLE_SYSTEM_LIST;
  description.name = AccessibleName();
  description.itemRole = ROLE_SYSTEM_LISTITEM;
  for (size_t index = 0; index < items_.size(); ++index) {
    description.items.push_back({items_[index].name, static_cast<int>(index) == selected_});
  }
  if (selected_ >= 0 && static_cast<size_t>(selected_) < items_.size()) description.value = items_[selected_].name;
  return true;
}
