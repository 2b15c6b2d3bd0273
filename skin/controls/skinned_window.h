// What every skinned control does with its window: it marks the window as skinned (and takes the
// mark off again), paints it itself through Paint when it draws the whole control, and answers
// WM_ERASEBKGND without erasing when its painting covers everything.
#pragma once
#include <windows.h>

#include "skin/skin_draw.h"
#include "ui/framework/gdi.h"

template <typename Base>
class CSkinnedWindow : public Base {
 public:
  ~CSkinnedWindow() override {
    if (this->GetSafeHwnd()) UnmarkSkinnedWindow(this->GetSafeHwnd());
  }

 protected:
  enum class Erase { kDefault, kNothing };
  explicit CSkinnedWindow(Erase erase = Erase::kDefault) : erase_(erase) {}

  void OnAttached() override { MarkSkinnedWindow(this->GetSafeHwnd()); }
  // Whether WM_PAINT goes to Paint; otherwise the platform control paints.
  virtual bool PaintsItself() const { return false; }
  virtual void Paint(HDC) {}

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_PAINT:
        if (PaintsItself()) {
          PaintDC paint(this->GetSafeHwnd());
          Paint(paint.GetSafeHdc());
          return 0;
        }
        break;
      case WM_ERASEBKGND:
        if (erase_ == Erase::kNothing) return TRUE;
        break;
      case WM_NCDESTROY:
        UnmarkSkinnedWindow(this->GetSafeHwnd());
        break;
      default:
        break;
    }
    return Base::WindowProc(message, wParam, lParam);
  }

 private:
  Erase erase_;
};
