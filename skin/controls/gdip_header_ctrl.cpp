#include "skin/controls/gdip_header_ctrl.h"

#include "skin/controls/control_buffer.h"
#include "skin/skin_draw.h"

namespace {
constexpr int kFontHeight = 18;
constexpr int kTextInset = 5;
constexpr int kSortArrowRoom = 13;
constexpr int kLineHeight = 2;
constexpr int kMaxTitle = 260;

UINT Alignment(int format) {
  if (format & HDF_RIGHT) return DT_RIGHT;
  if (format & HDF_CENTER) return DT_CENTER;
  return DT_LEFT;
}
}  // namespace

LRESULT CGdipHeaderCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      return 0;
    case HDM_LAYOUT: {
      LRESULT result = CSkinnedWindow::WindowProc(message, wParam, lParam);
      auto& layout = *reinterpret_cast<HDLAYOUT*>(lParam);
      int top = layout.pwpos->y;
      layout.pwpos->cy = kHeight;
      layout.prc->top = top + kHeight;
      return result;
    }
    default:
      return CSkinnedWindow::WindowProc(message, wParam, lParam);
  }
}

bool CGdipHeaderCtrl::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT&) {
  if (message != WM_NOTIFY) return false;
  switch (reinterpret_cast<const NMHDR*>(lParam)->code) {
    case HDN_ITEMCHANGEDW:
    case HDN_ITEMCHANGEDA:
      ::InvalidateRect(GetParent(), nullptr, FALSE);
      break;
    default:
      break;
  }
  return false;  // the list itself must still follow the change
}

void CGdipHeaderCtrl::Paint(HDC target) {
  CControlBuffer buffer(GetSafeHwnd(), target);
  HDC dc = buffer.GetSafeHdc();
  const RECT& client = buffer.Client();
  for (int column = 0; column < GetItemCount(); ++column) {
    wchar_t title[kMaxTitle] = {};
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_FORMAT;
    item.pszText = title;
    item.cchTextMax = kMaxTitle;
    if (!GetItem(column, item)) continue;
    RECT rect = GetItemRect(column);
    bool sortArrow = (item.fmt & (HDF_SORTUP | HDF_SORTDOWN)) != 0;
    rect.left += kTextInset;
    rect.right -= sortArrow ? kSortArrowRoom : kTextInset;
    DrawSkinText(dc, WindowDpi(GetSafeHwnd()), title, rect,
                 DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | Alignment(item.fmt), kFontHeight, FW_BOLD, kSkinWhite);
  }
  CDC(dc).FillSolidRect(RECT{client.left, client.bottom - kLineHeight, client.right, client.bottom}, kSkinWhite);
}
