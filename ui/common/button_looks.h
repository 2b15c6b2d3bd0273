// The look of a dialog's skinned buttons in one table: which template item, its translated caption
// and tooltip, and its three images.
#pragma once
#include <initializer_list>

#include "skin/gdip_button.h"

struct ButtonLook {
  CGdipButton& button;
  int id;
  const wchar_t* caption;  // null: the template's text stays, untranslated
  const wchar_t* tip;
  UINT normal, hover, pressed;
};

// Attaches each button to its item of `dialog` and gives it its look.
void ApplyButtonLooks(HWND dialog, std::initializer_list<ButtonLook> looks);
