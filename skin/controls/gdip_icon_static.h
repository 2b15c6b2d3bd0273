// A picture over the parent's background: one PNG scaled to the control.
#pragma once
#include "skin/controls/skinned_window.h"
#include "skin/gdiplus_bitmap.h"
#include "framework/controls.h"

class CGdipIconStatic : public CSkinnedWindow<CStatic> {
 public:
  // Replaces the picture with PNG `id`; false when it does not load (nothing is drawn then).
  bool SetImage(UINT id);
  // A picture named by what it shows (SetAccessibleName).
  bool Describe(AccessibleDescription& description) const override;

 protected:
  // Without a picture the platform static paints.
  bool PaintsItself() const override { return image_.IsLoaded(); }
  void Paint(HDC target) override;

 private:
  CGdiPlusBitmapResource image_;
};
