#include "skin/process_button.h"

#include <algorithm>

#include "res/resource.h"
#include "skin/skin_draw.h"

namespace {
constexpr UINT kDoneImage = IDB_STEP_DONE;
constexpr UINT kCurrentImage = IDB_STEP_CURRENT;
constexpr UINT kToComeImage = IDB_STEP_TODO;
constexpr int kNarrowWidth = 15;
constexpr int kTextX = 22;
constexpr int kTextHeight = 13;
// The step's name sits above the marker's line.
constexpr int kTextBottom = 24;
}  // namespace

bool CProcessButton::LoadImages(UINT doneId, UINT currentId, UINT toComeId, const wchar_t* type) {
  FreeImages();
  bool done = images_[0].Load(doneId, type);
  bool current = images_[1].Load(currentId, type);
  bool toCome = images_[2].Load(toComeId, type);
  if (GetSafeHwnd()) Invalidate(false);
  return done && current && toCome;
}

void CProcessButton::FreeImages() {
  for (CGdiPlusBitmapResource& image : images_) image.Empty();
}

void CProcessButton::SetState(int state) {
  state_ = state;
  if (GetSafeHwnd()) Invalidate(false);
}

void CProcessButton::SetNarrow(bool narrow) {
  narrow_ = narrow;
  if (GetSafeHwnd()) Invalidate(false);
}

void CProcessButton::DrawFace(HDC dc, const RECT& client, UINT itemState) {
  if (!images_[0].IsLoaded() && !images_[1].IsLoaded() && !images_[2].IsLoaded()) {
    LoadImages(kDoneImage, kCurrentImage, kToComeImage);
  }
  const CGdiPlusBitmapResource& image =
      state_ == kDone ? images_[0] : state_ == kCurrent ? images_[1] : images_[2];
  const UINT dpi = WindowDpi(GetSafeHwnd());
  int width = narrow_ ? kNarrowWidth : std::min(UnscaleFromDpi(RectWidth(client), dpi), image.Width());
  DrawSkinImagePart(dc, dpi, image, 0, 0, width, image.Height());

  if (!DrawsText()) return;
  COLORREF colour = kSkinDisabledGrey;
  if (!(itemState & ODS_DISABLED)) {
    if (state_ == kCurrent) colour = kSkinHighlight;
    if (state_ == kDone) colour = kSkinWhite;
  }
  RECT rect = {ScaleToDpi(kTextX, dpi), 0, client.right, ScaleToDpi(kTextBottom, dpi)};
  DrawSkinText(dc, dpi, GetWindowText(), rect, DT_SINGLELINE | DT_BOTTOM, kTextHeight, FW_THIN,
               colour);
}
