#include "skin/icon_radio_button.h"

#include "skin/skin_draw.h"

namespace {
constexpr int kMarkSize = 18;
constexpr int kIconX = 23;
constexpr int kIconWidth = 58;
constexpr int kIconHeight = 46;
constexpr int kTextX = 100;
constexpr int kTitleHeight = 16;
constexpr int kDescriptionHeight = 12;
// A description too long for the row at 12 (RAID 1's in English: four lines where three fit) is
// drawn smaller, but not below this.
constexpr int kSmallestDescriptionHeight = 10;
constexpr UINT kDescriptionFormat = DT_WORDBREAK | DT_EDITCONTROL;
constexpr float kFocusAlpha = 200.0f / 255.0f;
constexpr float kDisabledAlpha = 0.5f;
}  // namespace

bool CIconRadioButton::LoadImages(UINT checkedId, UINT uncheckedId, UINT iconId, UINT focusId,
                                  const wchar_t* type) {
  FreeImages();
  bool checked = checkedMark_.Load(checkedId, type);
  bool focus = focusBackground_.Load(focusId, type);
  bool unchecked = uncheckedMark_.Load(uncheckedId, type);
  bool icon = icon_.Load(iconId, type);
  if (GetSafeHwnd()) Invalidate(false);
  return checked && focus && unchecked && icon;
}

void CIconRadioButton::FreeImages() {
  checkedMark_.Empty();
  focusBackground_.Empty();
  uncheckedMark_.Empty();
  icon_.Empty();
  ResetDisabledCache();
}

void CIconRadioButton::SetTitle(const std::wstring& text) {
  title_ = text;
  if (GetSafeHwnd()) Invalidate(false);
}

void CIconRadioButton::SetDescription(const std::wstring& text) {
  description_ = text;
  if (GetSafeHwnd()) Invalidate(false);
}

void CIconRadioButton::DrawFace(HDC dc, const RECT& client, UINT itemState) {
  bool disabled = (itemState & ODS_DISABLED) != 0;
  const UINT dpi = WindowDpi(GetSafeHwnd());
  const int height = RectHeight(client);
  const int markSize = ScaleToDpi(kMarkSize, dpi);
  const int textX = ScaleToDpi(kTextX, dpi);
  if (itemState & ODS_FOCUS) {
    DrawSkinImage(dc, focusBackground_, 0, 0, RectWidth(client), height, kFocusAlpha);
  }
  int markY = (height - markSize) / 2;
  if (disabled) {
    DrawDisabledCached(dc, client, [&] {
      DrawSkinImage(dc, uncheckedMark_, 0, markY, markSize, markSize, kDisabledAlpha);
    });
  } else {
    DrawSkinImage(dc, IsChecked() ? checkedMark_ : uncheckedMark_, 0, markY, markSize, markSize);
  }
  const int iconHeight = ScaleToDpi(kIconHeight, dpi);
  DrawSkinImage(dc, icon_, ScaleToDpi(kIconX, dpi), (height - iconHeight) / 2, ScaleToDpi(kIconWidth, dpi), iconHeight);

  COLORREF colour = disabled ? kSkinDisabledGrey : kSkinWhite;
  RECT title = {textX, 0, client.right, height};
  DrawSkinText(dc, dpi, title_, title, DT_SINGLELINE, kTitleHeight, FW_THIN, colour);
  const RECT description = DescriptionArea(client, dpi);
  DrawSkinText(dc, dpi, description_, description, kDescriptionFormat, DescriptionHeight(dc, description, dpi), FW_THIN,
               colour);
}

RECT CIconRadioButton::DescriptionArea(const RECT& client, UINT dpi) {
  return {ScaleToDpi(kTextX, dpi), ScaleToDpi(kTitleHeight, dpi), client.right, client.bottom};
}

int CIconRadioButton::DescriptionHeight(HDC dc, const RECT& area, UINT dpi) const {
  int height = kDescriptionHeight;
  while (height > kSmallestDescriptionHeight &&
         !SkinTextFits(dc, dpi, description_, area, kDescriptionFormat, height, FW_THIN)) {
    --height;
  }
  return height;
}

bool CIconRadioButton::DescriptionFits() const {
  const UINT dpi = WindowDpi(GetSafeHwnd());
  const RECT area = DescriptionArea(GetClientRect(), dpi);
  WindowDC dc(GetSafeHwnd());
  return SkinTextFits(dc.GetSafeHdc(), dpi, description_, area, kDescriptionFormat,
                      DescriptionHeight(dc.GetSafeHdc(), area, dpi), FW_THIN);
}
