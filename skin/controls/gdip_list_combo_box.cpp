#include "res/resource.h"
#include "skin/controls/gdip_list_combo_box.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>

namespace {
constexpr UINT kFaceImage = IDB_CELL_COMBO;
constexpr int kItemHeight = 23;
constexpr size_t kVisibleChoices = 6;
constexpr UINT kEditorId = 1;

std::unique_ptr<CGdipListComboBox>& SharedEditor() {
  static std::unique_ptr<CGdipListComboBox> editor;
  return editor;
}
}  // namespace

CGdipListComboBox& CGdipListComboBox::Shared() {
  std::unique_ptr<CGdipListComboBox>& editor = SharedEditor();
  if (!editor) editor = std::make_unique<CGdipListComboBox>();
  return *editor;
}

void CGdipListComboBox::ReleaseShared() { SharedEditor().reset(); }

bool CGdipListComboBox::ShowInPlace(const RECT& cell, HWND list, int row, int column,
                                    const std::vector<std::wstring>& choices, int currentIndex,
                                    const std::wstring& currentText) {
  if (GetSafeHwnd()) {
    // An edit whose end has not been seen yet (its window closes later): finish it first.
    EndEdit(false);
    DestroyWindow();
  }
  list_ = list;
  row_ = row;
  column_ = column;
  cancelled_ = false;
  bool indexValid = currentIndex >= 0 && static_cast<size_t>(currentIndex) < choices.size();
  textBefore_ = indexValid ? choices[static_cast<size_t>(currentIndex)] : currentText;

  // The window's height is the drop-down's: the cell and a few choices below it.
  RECT area = cell;
  area.bottom += kItemHeight * static_cast<int>(std::min(choices.size(), kVisibleChoices)) + 2;
  if (!CreateEx(0, WC_COMBOBOXW, L"",
                WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, area,
                list, kEditorId)) {
    return false;
  }
  SetFont(reinterpret_cast<HFONT>(::SendMessageW(list, WM_GETFONT, 0, 0)));
  SetFocus(GetSafeHwnd());
  ResetContent();
  for (const std::wstring& choice : choices) AddString(choice);
  LoadFaceImage(kFaceImage);
  SetCurSel(indexValid ? currentIndex : -1);
  SetItemHeight(0, kItemHeight);
  // The version 6 combo box sizes its list by this count, not by the window's height.
  ::SendMessageW(GetSafeHwnd(), CB_SETMINVISIBLE, kVisibleChoices, 0);
  editing_ = true;
  return true;
}

LRESULT CGdipListComboBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETDLGCODE:
      // Enter and Escape end the edit here rather than closing the dialog around the list.
      return DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
      if (wParam == VK_RETURN || wParam == VK_ESCAPE) {
        EndEdit(wParam == VK_ESCAPE);
        return 0;
      }
      break;
    case WM_KILLFOCUS: {
      LRESULT result = CGdipComboBox::WindowProc(message, wParam, lParam);
      EndEdit(false);
      return result;
    }
    default:
      break;
  }
  return CGdipComboBox::WindowProc(message, wParam, lParam);
}

bool CGdipListComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_COMMAND && HIWORD(wParam) == CBN_CLOSEUP) {
    EndEdit(false);
    result = 0;
    return true;
  }
  return CGdipComboBox::OnChildNotify(message, wParam, lParam, result);
}

void CGdipListComboBox::EndEdit(bool cancelled) {
  if (!editing_) return;
  editing_ = false;
  cancelled_ = cancelled;
  // Nothing chosen (the cell held a prompt that is not among the choices) keeps the old text too.
  std::wstring text = cancelled || GetCurSel() < 0 ? textBefore_ : GetWindowText();
  NMLVDISPINFOW info{};
  info.hdr.hwndFrom = list_;
  info.hdr.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(list_));
  info.hdr.code = LVN_ENDLABELEDITW;
  info.item.mask = LVIF_TEXT;
  info.item.iItem = row_;
  info.item.iSubItem = column_;
  info.item.pszText = text.data();
  info.item.cchTextMax = static_cast<int>(text.size() + 1);
  ::SendMessageW(::GetParent(list_), WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
  PostMessage(WM_CLOSE);
}
