// One octet field of the IP address control: a small edit that takes digits, moves on to the next
// field after three digits, a dot or a space, beeps at anything else, and hands Tab, Enter, Escape
// and the arrow keys at its edges to the control. Pasted text is typed in character by character,
// under the same rules.
#pragma once
#include "framework/controls.h"
#include "framework/gdi.h"

class CGdipIpAddrCtl;

class CIPAddrEdit : public CEdit {
 public:
  // Creates the field `index` (0-3, id index + 1) in `owner` with the skin's 18-pixel font.
  bool Create(CGdipIpAddrCtl& owner, int index);
  // Makes the field's font again for its window's DPI.
  void UseFontForDpi();

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // True when the character was dealt with here (not passed to the edit).
  bool OnChar(wchar_t character);
  bool OnKeyDown(WPARAM key);
  void AfterDigit();
  void PasteAsTyping();
  // Escape closes the dialog around the control (the control itself is no dialog).
  void CancelDialog() const;

  CGdipIpAddrCtl* owner_ = nullptr;
  int index_ = 0;
  FontHandle font_;
};
