// The skinned drop-down list: an owner-drawn fixed-height combo box whose closed face is a PNG, with
// the selected text over it and the list items drawn in the system's selection colours. An item
// may carry a detail, drawn lighter and right-aligned after its text (the item's text, which
// readers of the list get, stays its own); a text too long for what is left ends in an ellipsis.
#pragma once
#include <string>
#include <vector>

#include "framework/controls.h"
#include "framework/gdi.h"
#include "skin/controls/skinned_window.h"
#include "skin/gdiplus_bitmap.h"
#include "skin/skin_draw.h"

class CGdipComboBox : public CSkinnedWindow<CComboBox> {
 public:
  CGdipComboBox();

  // Replaces the face image with PNG `id`; false when it does not load.
  bool LoadFaceImage(UINT id);
  // The detail of item `index` (empty: none). Emptying the list forgets every detail.
  void SetItemDetail(int index, const std::wstring& detail);
  std::wstring ItemDetail(int index) const;

 protected:
  // Sets the closed box to 30 pixels at 96 DPI, at the window's DPI, and marks the window.
  void OnAttached() override;
  void OnDpiChanged() override;
  bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  // The whole closed box: parent background, face, selected text.
  bool PaintsItself() const override { return true; }
  void Paint(HDC target) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void DrawListItem(const DRAWITEMSTRUCT& item) const;
  // Item `index`'s text and detail in `area`, the text cut with an ellipsis where the detail
  // begins.
  void DrawItemTexts(HDC dc, RECT area, int index, COLORREF colour, COLORREF detailColour) const;

  std::vector<std::wstring> details_;  // by item index

  CGdiPlusBitmapResource face_;
  mutable SkinFontCache font_;
  UINT lastItemState_ = 0;
};
