// A quiet text-only button (the links under the main window's device panel).
#pragma once
#include "skin/skin_button.h"

class CBottomIconButton : public CSkinButton {
 public:
  CBottomIconButton() : CSkinButton(ButtonKind::kPush) {}

 protected:
  void DrawFace(HDC dc, const RECT& client, UINT itemState) override;
};
