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
  const std::wstring& Description() const { return description_; }
  // Whether the description is drawn whole (at the smallest height it may take, if it must).
  bool DescriptionFits() const;

 protected:
  void DrawFace(HDC dc, const RECT& client, UINT itemState) override;

 private:
  // Where the description goes in `client`, at `dpi`: under the title, to the row's end.
  static RECT DescriptionArea(const RECT& client, UINT dpi);
  // The description's font height (at 96 DPI): the skin's, or smaller, down to a limit, when the
  // text needs more lines than the row holds at the skin's.
  int DescriptionHeight(HDC dc, const RECT& area, UINT dpi) const;

  CGdiPlusBitmapResource checkedMark_;
  CGdiPlusBitmapResource focusBackground_;
  CGdiPlusBitmapResource uncheckedMark_;
  CGdiPlusBitmapResource icon_;
  std::wstring title_;
  std::wstring description_;
};
