// The skinned drop-down list: an owner-drawn fixed-height combo box whose closed face is a PNG, with
// the selected text over it and the list items drawn in the system's selection colours.
#pragma once
#include "skin/controls/skinned_window.h"
#include "skin/gdiplus_bitmap.h"
#include "framework/controls.h"
#include "framework/gdi.h"

class CGdipComboBox : public CSkinnedWindow<CComboBox> {
 public:
  CGdipComboBox();

  // Replaces the face image with PNG `id`; false when it does not load.
  bool LoadFaceImage(UINT id);

 protected:
  // Sets the selection field to 24 pixels and marks the window.
  void OnAttached() override;
  bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  // The whole closed box: parent background, face, selected text.
  bool PaintsItself() const override { return true; }
  void Paint(HDC target) override;

 private:
  void DrawListItem(const DRAWITEMSTRUCT& item) const;

  CGdiPlusBitmapResource face_;
  FontHandle font_;
  UINT lastItemState_ = 0;
};
