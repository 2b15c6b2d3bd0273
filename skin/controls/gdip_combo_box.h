// The skinned drop-down list: an owner-drawn fixed-height combo box whose closed face is a PNG, with
// the selected text over it and the list items drawn in the system's selection colours.
#pragma once
#include "skin/gdiplus_bitmap.h"
#include "ui/framework/controls.h"
#include "ui/framework/gdi.h"

class CGdipComboBox : public CComboBox {
 public:
  CGdipComboBox();
  ~CGdipComboBox() override;

  // Replaces the face image with PNG `id`; false when it does not load.
  bool LoadFaceImage(UINT id);

 protected:
  // Sets the selection field to 24 pixels and marks the window.
  void OnAttached() override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  // The whole closed box: parent background, face, selected text.
  void PaintFace(HDC target);
  void DrawListItem(const DRAWITEMSTRUCT& item) const;

  CGdiPlusBitmapResource face_;
  FontHandle font_;
  UINT lastItemState_ = 0;
};
