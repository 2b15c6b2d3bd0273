#include "ui/common/button_looks.h"

#include "i18n/win/win_language.h"

void ApplyButtonLooks(HWND dialog, std::initializer_list<ButtonLook> looks) {
  for (const ButtonLook& look : looks) {
    look.button.SubclassDlgItem(look.id, dialog);
    look.button.LoadImages(look.normal, look.hover, look.pressed);
    if (look.caption) look.button.SetWindowText(Tr(look.caption));
    if (look.tip) look.button.SetToolTipText(Tr(look.tip));
  }
}
