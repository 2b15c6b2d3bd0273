// The header of a skinned list: column titles in the skin's bold font over the list's background,
// a white line under them, a fixed height of 22 pixels, and no column clicks or resizing by the
// user.
#pragma once
#include "skin/controls/skinned_window.h"
#include "framework/controls.h"

class CGdipHeaderCtrl : public CSkinnedWindow<CHeaderCtrl> {
 public:
  static constexpr int kHeight = 22;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  // Changed columns make the list repaint its cells.
  bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  bool PaintsItself() const override { return true; }
  void Paint(HDC target) override;
};
