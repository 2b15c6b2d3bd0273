// A picture over the parent's background: one PNG scaled to the control.
#pragma once
#include "skin/gdiplus_bitmap.h"
#include "ui/framework/controls.h"

class CGdipIconStatic : public CStatic {
 public:
  ~CGdipIconStatic() override;

  // Replaces the picture with PNG `id`; false when it does not load (nothing is drawn then).
  bool SetImage(UINT id);

 protected:
  void OnAttached() override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  CGdiPlusBitmapResource image_;
};
