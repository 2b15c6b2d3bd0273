// The skinned slider, drawn as a vertical fill gauge: a channel image filled from the top by a top
// cap, 10-pixel tiles and a bottom cap as far as the position goes. The mouse sets the position
// where it presses and drags, the wheel steps it by one; the parent hears of each change through
// WM_VSCROLL. The share list uses it as its scroll bar.
#pragma once
#include "skin/controls/skinned_window.h"
#include "skin/gdiplus_bitmap.h"
#include "framework/controls.h"

class CGdipSlider : public CSkinnedWindow<CSliderCtrl> {
 public:
  CGdipSlider() : CSkinnedWindow(Erase::kNothing) {}

  // Replaces the images; attaching loads the skin's gauge (IDB_GAUGE and its top, middle and
  // bottom pieces). True when all four loaded.
  bool LoadImages(UINT channelId, UINT topId, UINT middleId, UINT bottomId);

 protected:
  void OnAttached() override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  LRESULT OnCustomDraw(const NMCUSTOMDRAW& draw);
  void PaintGauge(HDC target);
  // Sets the position under the client point; true when it changed.
  bool MoveTo(POINT point);
  void PostScroll(int code) const;
  void OnWheel(short delta);

  CGdiPlusBitmapResource channel_, top_, middle_, bottom_;
  bool dragging_ = false;
  bool changedDuringDrag_ = false;
  bool paintedThisRound_ = false;
};
