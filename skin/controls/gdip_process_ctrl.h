// The image progress bar: a track image with a fill made of a left cap, 10-pixel tiles and a
// right cap.
#pragma once
#include "skin/controls/skinned_window.h"
#include "skin/gdiplus_bitmap.h"
#include "framework/controls.h"

class CGdipProcessCtrl : public CSkinnedWindow<CProgressCtrl> {
 public:
  // Replaces the four images (type "PNG"); the bar draws itself from them once they are set.
  void LoadImages(UINT backgroundId, UINT leftId, UINT middleId, UINT rightId);
  // A progress bar whose value is its percentage.
  bool Describe(AccessibleDescription& description) const override;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  // Until the images are set the platform bar paints.
  bool PaintsItself() const override { return imagesLoaded_; }
  void Paint(HDC target) override;

 private:
  CGdiPlusBitmapResource background_, left_, middle_, right_;
  bool imagesLoaded_ = false;
};
