// Window tests: the skinned labels of a window whose texts do not fit them.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "skin/controls/trans_static.h"
#include "skin/icon_radio_button.h"

// The labels among the children of `window` that are shown (their own style; the window itself may
// be hidden) whose texts do not fit them at the window's DPI, each said with its text, and the
// radio choices whose descriptions do not; `checked` counts the controls looked at.
inline std::vector<std::wstring> CutLabels(HWND window, int& checked) {
  std::vector<std::wstring> cut;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!(GetWindowLongPtrW(child, GWL_STYLE) & WS_VISIBLE)) continue;
    const CWnd* control = CWnd::FromHandle(child);
    if (const auto* label = dynamic_cast<const CTransStatic*>(control)) {
      ++checked;
      if (!label->TextFits()) cut.push_back(label->GetWindowText());
    } else if (const auto* choice = dynamic_cast<const CIconRadioButton*>(control)) {
      ++checked;
      if (!choice->DescriptionFits()) cut.push_back(choice->Description());
    }
  }
  return cut;
}
