// A button of the main window's shortcut column: a background per state, an icon that lights up,
// and a caption that grows when the button is pointed at.
#pragma once
#include "skin/gdiplus_bitmap.h"
#include "skin/skin_button.h"

class CShortCutButton : public CSkinButton {
 public:
  CShortCutButton() : CSkinButton(ButtonKind::kPush) {}
  ~CShortCutButton() override { FreeImages(); }

  // Normal, selected and hover backgrounds, the icon and the active icon; true when all load.
  bool LoadImages(UINT normalId, UINT selectedId, UINT hoverId, UINT iconId, UINT activeIconId,
                  const wchar_t* type = L"PNG");
  void FreeImages();
  // The shortcut whose page was opened last keeps the selected look.
  void SetActive(bool active);
  bool IsActive() const { return active_; }

 protected:
  void DrawFace(HDC dc, const RECT& client, UINT itemState) override;
  // The arrow keys move the focus to the neighbouring shortcut of the column.
  LRESULT ButtonProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // The nearest enabled, visible shortcut after (or before) this one in the window order.
  HWND Neighbour(bool next) const;

  CGdiPlusBitmapResource normalBackground_;
  CGdiPlusBitmapResource selectedBackground_;
  CGdiPlusBitmapResource hoverBackground_;
  CGdiPlusBitmapResource icon_;
  CGdiPlusBitmapResource activeIcon_;
  bool active_ = false;
};
