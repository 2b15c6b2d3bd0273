// The tooltip of the skinned buttons: the platform tooltip, painted in the skin's colours.
#pragma once
#include "framework/controls.h"
#include "framework/gdi.h"

class CSkinToolTip : public CToolTipCtrl {
 public:
  COLORREF backgroundColour = 0x000000;
  COLORREF textColour = 0xFFFFFF;

  // Creates the tooltip owned by `owner`, sized for the skin's tip font.
  bool Create(HWND owner);

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc);
  FontHandle font_;
};
