// A tab-like link over a line (the page tabs of the settings dialog): the selected tab's caption is
// set off to the right and in the highlight colour.
#pragma once
#include "skin/gdiplus_bitmap.h"
#include "skin/skin_button.h"

class CUnderLineButton : public CSkinButton {
 public:
  CUnderLineButton() : CSkinButton(ButtonKind::kPush) {}

  void SetSelected(bool selected);
  bool IsSelected() const { return selected_; }

 protected:
  // The line image comes with the control.
  void OnAttached() override;
  void DrawFace(HDC dc, const RECT& client, UINT itemState) override;

 private:
  CGdiPlusBitmapResource line_;
  bool selected_ = false;
};
