// The share list panel (window class "FolderListWnd"): up to 26 folders as icons with their names
// in rows of four, the selected one on a highlight, and the skinned gauge as its scroll bar once a
// second row begins. A click (pressed and released at one point) selects; a double click on a
// folder posts WM_FOLDER_OPEN with its index to the parent.
#pragma once
#include <string>
#include <vector>

#include "skin/geometry/folder_layout.h"
#include "skin/controls/gdip_slider.h"
#include "skin/controls/owned_window_class.h"
#include "skin/controls/skinned_window.h"
#include "skin/gdiplus_bitmap.h"

class CFolderListCtrl : public CSkinnedWindow<CClassOwnedWnd> {
 public:
  static constexpr wchar_t kClassName[] = L"FolderListWnd";

  CFolderListCtrl() : CSkinnedWindow(Erase::kNothing) {}
  static CFolderListCtrl* FromWindow(HWND window);

  // Adds a folder unless the name is null or 26 are there.
  void AddFolder(const wchar_t* name);
  // Removes every folder; the selection index stays.
  void ClearFolders();

  struct FolderItem {
    std::wstring displayText;
    CellRect cell;
    std::wstring name;  // whole, for screen readers
  };
  const std::vector<FolderItem>& Items() const { return items_; }
  int Selected() const { return selected_; }
  int ScrollY() const { return scrollY_; }
  CGdipSlider& ScrollBar() { return scrollBar_; }
  // A list whose items are the folders, the selected one marked.
  bool Describe(AccessibleDescription& description) const override;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool PaintsItself() const override { return true; }
  bool LendsParentBackground() const override { return true; }
  void Paint(HDC target) override;

 private:
  void OnCreate();
  void UpdateScrollBar();
  void PlaceScrollBar() const;
  int ItemAt(POINT point) const;
  // Arrows, Home and End choose a folder, Enter opens it; true when the key was one of them.
  bool OnKey(WPARAM key);
  void Select(int item);

  CGdiPlusBitmapResource selectionImage_;
  CGdiPlusBitmapResource folderImage_;
  std::vector<FolderItem> items_;
  CGdipSlider scrollBar_;
  int scrollY_ = 0;
  int selected_ = -1;
  bool pressed_ = false;
  POINT pressPoint_{};
};
