// Window tests: the skinned labels of a window whose texts do not fit them.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "skin/controls/trans_static.h"

// The labels among the children of `window` that are shown (their own style; the window itself may
// be hidden) whose texts do not fit them at the window's DPI, each said with its text; `checked`
// counts the labels looked at.
inline std::vector<std::wstring> CutLabels(HWND window, int& checked) {
  std::vector<std::wstring> cut;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const auto* label = dynamic_cast<const CTransStatic*>(CWnd::FromHandle(child));
    if (!label || !(GetWindowLongPtrW(child, GWL_STYLE) & WS_VISIBLE)) continue;
    ++checked;
    if (!label->TextFits()) cut.push_back(label->GetWindowText());
  }
  return cut;
}
