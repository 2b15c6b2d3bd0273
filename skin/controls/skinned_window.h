// What every skinned control does with its window: it carries the skin's mark (CSkinMarked), paints
// it itself through Paint when it draws the whole control, answers WM_ERASEBKGND without erasing
// when its painting covers everything, and, when it holds skinned children of its own, answers
// their requests for the background under them (WM_DRAW_PARENT_BG) with its parent's.
#pragma once
#include <windows.h>

#include "base/messages.h"
#include "skin/controls/panel_background.h"
#include "skin/skin_draw.h"
#include "skin/skinned_surface.h"
#include "framework/dpi.h"
#include "framework/gdi.h"

template <typename Base>
class CSkinnedWindow : public CSkinMarked<Base> {
 protected:
  enum class Erase { kDefault, kNothing };
  explicit CSkinnedWindow(Erase erase = Erase::kDefault) : erase_(erase) {}

  // Whether WM_PAINT goes to Paint; otherwise the platform control paints.
  virtual bool PaintsItself() const { return false; }
  virtual void Paint(HDC) {}
  // Whether the control holds skinned children that borrow the background under them.
  virtual bool LendsParentBackground() const { return false; }
  // The top-level window's DPI changed (the control has been moved and sized for it already): what
  // the control made for the old DPI beyond what it draws from WindowDpi is made again here.
  virtual void OnDpiChanged() {}

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
      case kDpiChangedAfterParentMessage:
        OnDpiChanged();
        this->Invalidate(false);
        return 0;
      case WM_DRAW_PARENT_BG:
        if (LendsParentBackground()) {
          LendParentBackgroundToChild(this->GetSafeHwnd(), reinterpret_cast<HWND>(lParam),
                                      reinterpret_cast<HDC>(wParam));
          return 0;
        }
        break;
      default:
        break;
    }
    return CSkinMarked<Base>::WindowProc(message, wParam, lParam);
  }

 private:
  Erase erase_;
};
