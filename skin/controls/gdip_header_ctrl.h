// The header of a skinned list: column titles in the skin's bold font over the list's background,
// a white line under them, a fixed height of 22 pixels, and no column clicks or resizing by the
// user.
#pragma once
#include "ui/framework/controls.h"

class CGdipHeaderCtrl : public CHeaderCtrl {
 public:
  static constexpr int kHeight = 22;

  ~CGdipHeaderCtrl() override;

 protected:
  void OnAttached() override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  // Changed columns make the list repaint its cells.
  bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void Paint(HDC target);
};
