// What every skinned control does with its window: it carries the skin's mark (CSkinMarked), paints
// it itself through Paint when it draws the whole control, and answers
// WM_ERASEBKGND without erasing when its painting covers everything.
#pragma once
#include <windows.h>

#include "skin/skin_draw.h"
#include "skin/skinned_surface.h"
#include "framework/gdi.h"

template <typename Base>
class CSkinnedWindow : public CSkinMarked<Base> {
 protected:
  enum class Erase { kDefault, kNothing };
  explicit CSkinnedWindow(Erase erase = Erase::kDefault) : erase_(erase) {}

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
      default:
        break;
    }
    return CSkinMarked<Base>::WindowProc(message, wParam, lParam);
  }

 private:
  Erase erase_;
};
