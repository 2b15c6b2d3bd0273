#include "skin/controls/gdip_combo_box.h"

#include <algorithm>

#include "skin/controls/control_buffer.h"
#include "skin/skin_draw.h"

namespace {
constexpr int kFieldHeight = 24;
// The system's frame around the selection field, top and bottom together, at 96 DPI.
constexpr int kFrameHeight = 6;
constexpr int kFontHeight = 16;
constexpr COLORREF kTextColour = 0x323232;
constexpr COLORREF kDetailColour = 0x8C8C8C;
// Between the end of an item's text and its detail.
constexpr int kDetailGap = 8;
constexpr float kDisabledAlpha = 0.5f;
// The selected text keeps clear of the edges and of the drop button in the right 32 pixels.
constexpr int kTextInset = 6;
constexpr int kDropButtonWidth = 32;
}  // namespace

CGdipComboBox::CGdipComboBox() : font_(kFontHeight) {}

bool CGdipComboBox::LoadFaceImage(UINT id) {
  bool loaded = face_.Load(id);
  if (GetSafeHwnd()) Invalidate(false);
  return loaded;
}

void CGdipComboBox::SetItemDetail(int index, const std::wstring& detail) {
  if (index < 0) return;
  if (details_.size() <= static_cast<size_t>(index)) details_.resize(static_cast<size_t>(index) + 1);
  details_[static_cast<size_t>(index)] = detail;
  if (GetSafeHwnd()) Invalidate(false);
}

std::wstring CGdipComboBox::ItemDetail(int index) const {
  return index >= 0 && static_cast<size_t>(index) < details_.size() ? details_[static_cast<size_t>(index)]
                                                                      : std::wstring();
}

LRESULT CGdipComboBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == CB_RESETCONTENT) details_.clear();
  return CSkinnedWindow::WindowProc(message, wParam, lParam);
}

void CGdipComboBox::DrawItemTexts(HDC dc, RECT area, int index, COLORREF colour, COLORREF detailColour) const {
  CDC target(dc);
  const std::wstring detail = ItemDetail(index);
  if (!detail.empty()) {
    RECT measured = area;
    target.DrawText(detail, measured, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX, detailColour);
    RECT detailArea = area;
    detailArea.left = std::max<LONG>(area.left, area.right - RectWidth(measured));
    target.DrawText(detail, detailArea, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS,
                    detailColour);
    area.right = std::max<LONG>(area.left, detailArea.left - ScaleToDpi(kDetailGap, WindowDpi(GetSafeHwnd())));
  }
  target.DrawText(GetLBText(index), area, DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS, colour);
}

void CGdipComboBox::OnAttached() {
  OnDpiChanged();
  CSkinnedWindow::OnAttached();
}

void CGdipComboBox::OnDpiChanged() {
  // The closed box is the field in its frame and, like the face drawn over it, scales as a whole.
  // The system may keep the frame at its 96-DPI width at every scale (Wine does): the field then
  // takes what the frame leaves of the scaled whole.
  const UINT dpi = WindowDpi(GetSafeHwnd());
  const int field = ScaleToDpi(kFieldHeight, dpi);
  SetItemHeight(-1, field);
  const int frame = RectHeight(GetWindowRect()) - field;
  const int whole = ScaleToDpi(kFieldHeight + kFrameHeight, dpi);
  if (field + frame != whole) SetItemHeight(-1, whole - frame);
}

bool CGdipComboBox::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item.itemState & ODS_COMBOBOXEDIT) {
        lastItemState_ = item.itemState;
        Paint(item.hDC);
      } else {
        DrawListItem(item);
      }
      result = TRUE;
      return true;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      // The box fills its selection field with this brush before asking for the item: the null
      // brush keeps the face that is there.
      result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
      return true;
    default:
      return false;
  }
}

void CGdipComboBox::Paint(HDC target) {
  CControlBuffer buffer(GetSafeHwnd(), target);
  HDC dc = buffer.GetSafeHdc();
  const RECT& client = buffer.Client();
  bool enabled = IsWindowEnabled();
  const UINT dpi = WindowDpi(GetSafeHwnd());
  DrawSkinImage(dc, face_, 0, 0, std::min(ScaleToDpi(face_.Width(), dpi), RectWidth(client)),
                std::min(ScaleToDpi(face_.Height(), dpi), RectHeight(client)), enabled ? 1.0f : kDisabledAlpha);

  const int inset = ScaleToDpi(kTextInset, dpi);
  RECT text{client.left + inset, client.top + inset, client.right - ScaleToDpi(kDropButtonWidth, dpi),
            client.bottom - inset};
  COLORREF colour = kTextColour;
  if (lastItemState_ & (ODS_SELECTED | ODS_FOCUS)) {
    CDC(dc).FillSolidRect(text, GetSysColor(COLOR_HIGHLIGHT));
    colour = GetSysColor(COLOR_HIGHLIGHTTEXT);
  }
  int selection = GetCurSel();
  if (selection < 0) return;
  SelectGuard font(dc, font_.For(WindowDpi(GetSafeHwnd())));
  DrawItemTexts(dc, text, selection, colour, colour == kTextColour ? kDetailColour : colour);
}

void CGdipComboBox::DrawListItem(const DRAWITEMSTRUCT& item) const {
  if (!IsWindowEnabled() || item.itemID == static_cast<UINT>(-1)) return;
  if (item.itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) {
    bool selected = (item.itemState & ODS_SELECTED) != 0;
    COLORREF fill = GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    PenHandle pen(CreatePen(PS_SOLID, 1, fill));
    BrushHandle brush(CreateSolidBrush(fill));
    {
      SelectGuard selectedPen(item.hDC, pen.Get());
      SelectGuard selectedBrush(item.hDC, brush.Get());
      Rectangle(item.hDC, item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom);
    }
    const UINT dpi = WindowDpi(GetSafeHwnd());
    RECT text = item.rcItem;
    text.left += ScaleToDpi(kTextInset, dpi);
    text.right -= ScaleToDpi(kTextInset, dpi);
    SelectGuard font(item.hDC, font_.For(dpi));
    const COLORREF colour = selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : kTextColour;
    DrawItemTexts(item.hDC, text, static_cast<int>(item.itemID), colour, selected ? colour : kDetailColour);
  }
  if (item.itemAction & ODA_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
}
