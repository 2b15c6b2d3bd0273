#include "skin/controls/gdip_combo_box.h"

#include <algorithm>

#include "skin/controls/control_buffer.h"
#include "skin/skin_draw.h"

namespace {
constexpr int kFieldHeight = 24;
constexpr int kFontHeight = 16;
constexpr COLORREF kTextColour = 0x323232;
constexpr float kDisabledAlpha = 0.5f;
// The selected text keeps clear of the edges and of the drop button in the right 32 pixels.
constexpr int kTextInset = 6;
constexpr int kDropButtonWidth = 32;
}  // namespace

CGdipComboBox::CGdipComboBox() : font_(CreateSkinFont(kFontHeight)) {}

bool CGdipComboBox::LoadFaceImage(UINT id) {
  bool loaded = face_.Load(id);
  if (GetSafeHwnd()) Invalidate(false);
  return loaded;
}

void CGdipComboBox::OnAttached() {
  SetItemHeight(-1, kFieldHeight);
  CSkinnedWindow::OnAttached();
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
  DrawSkinImage(dc, face_, 0, 0, std::min(face_.Width(), RectWidth(client)),
                std::min(face_.Height(), RectHeight(client)), enabled ? 1.0f : kDisabledAlpha);

  RECT text{client.left + kTextInset, client.top + kTextInset, client.right - kDropButtonWidth,
            client.bottom - kTextInset};
  COLORREF colour = kTextColour;
  if (lastItemState_ & (ODS_SELECTED | ODS_FOCUS)) {
    CDC(dc).FillSolidRect(text, GetSysColor(COLOR_HIGHLIGHT));
    colour = GetSysColor(COLOR_HIGHLIGHTTEXT);
  }
  int selection = GetCurSel();
  if (selection < 0) return;
  SelectGuard font(dc, font_.Get());
  CDC(dc).DrawText(GetLBText(selection), text, DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, colour);
}

void CGdipComboBox::DrawListItem(const DRAWITEMSTRUCT& item) const {
  if (!IsWindowEnabled() || item.itemID == static_cast<UINT>(-1)) return;
  CDC dc(item.hDC);
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
    RECT text = item.rcItem;
    text.left += kTextInset;
    SelectGuard font(item.hDC, font_.Get());
    dc.DrawText(GetLBText(static_cast<int>(item.itemID)), text, DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX,
                selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : kTextColour);
  }
  if (item.itemAction & ODA_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
}
