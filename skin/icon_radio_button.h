// A full-width radio choice with a mark, an icon, a title and a description (the volume types of
// the wizard).
#pragma once
#include <string>

#include "skin/gdiplus_bitmap.h"
#include "skin/skin_button.h"

class CIconRadioButton : public CSkinButton {
 public:
  CIconRadioButton() : CSkinButton(ButtonKind::kRadio) {}
  ~CIconRadioButton() override { FreeImages(); }

  // The checked mark, the unchecked mark, the icon and the focus background; true when all load.
  bool LoadImages(UINT checkedId, UINT uncheckedId, UINT iconId, UINT focusId, const wchar_t* type = L"PNG");
  void FreeImages();
  void SetTitle(const std::wstring& text);
  void SetDescription(const std::wstring& text);
  const std::wstring& Title() const { return title_; }

 protected:
  void DrawFace(HDC dc, const RECT& client, UINT itemState) override;

 private:
  CGdiPlusBitmapResource checkedMark_;
  CGdiPlusBitmapResource focusBackground_;
  CGdiPlusBitmapResource uncheckedMark_;
  CGdiPlusBitmapResource icon_;
  std::wstring title_;
  std::wstring description_;
};
