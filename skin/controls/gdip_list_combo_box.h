// The in-place editor of a list cell: one skinned drop-down list for the whole program, shown over
// the cell with the choices its owner offers. Enter, Escape (which keeps the old text), closing
// the drop-down and losing the focus end the edit: the list's parent gets LVN_ENDLABELEDITW from
// the list (which stores the text in the cell), and the editor's window closes.
#pragma once
#include <string>
#include <vector>

#include "skin/controls/gdip_combo_box.h"

class CGdipListComboBox : public CGdipComboBox {
 public:
  // The one editor, made on first use.
  static CGdipListComboBox& Shared();
  // Deletes the editor and its window; the last skinned list to go calls it.
  static void ReleaseShared();

  // Shows the editor over `cell` (in `list`'s client coordinates) of row `row`, column `column`,
  // offering `choices` with `currentIndex` selected (-1: none, the cell holds `currentText`).
  // False when its window could not be made.
  bool ShowInPlace(const RECT& cell, HWND list, int row, int column, const std::vector<std::wstring>& choices,
                   int currentIndex, const std::wstring& currentText);
  bool IsEditing() const { return editing_; }
  bool WasCancelled() const { return cancelled_; }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void EndEdit(bool cancelled);

  HWND list_ = nullptr;
  int row_ = -1;
  int column_ = -1;
  bool cancelled_ = false;
  bool editing_ = false;
  std::wstring textBefore_;
};
