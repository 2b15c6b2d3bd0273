// The image progress bar: a track image with a fill made of a left cap, 10-pixel tiles and a
// right cap.
#pragma once
#include "skin/gdiplus_bitmap.h"
#include "ui/framework/controls.h"

class CGdipProcessCtrl : public CProgressCtrl {
 public:
  ~CGdipProcessCtrl() override;

  // Replaces the four images (type "PNG"); the bar draws itself from them once they are set.
  void LoadImages(UINT backgroundId, UINT leftId, UINT middleId, UINT rightId);

 protected:
  void OnAttached() override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC target);

  CGdiPlusBitmapResource background_, left_, middle_, right_;
  bool imagesLoaded_ = false;
};
