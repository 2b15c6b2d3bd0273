// The base of every skinned dialog: painted from one background image, moved by dragging anywhere
// on its background, and lending that background to its skinned children so that they look
// transparent.
#pragma once
#include <memory>

#include "skin/gdiplus_bitmap.h"
#include "skin/my_mem_dc.h"
#include "skin/skinned_surface.h"
#include "framework/dialog.h"

class CGdipDialog : public CSkinnedParent<CDialog> {
 public:
  using CSkinnedParent<CDialog>::CSkinnedParent;
  ~CGdipDialog() override;

  // Renders PNG `id` into the background buffer, scaled down to the client area where larger and
  // at its own size where smaller (the rest stays black). A missing image leaves it all black.
  bool SetBackgroundImage(UINT id);
  // The rendered background, or null before SetBackgroundImage.
  HDC BackgroundDC() const { return backgroundBuffer_ ? backgroundBuffer_->GetSafeHdc() : nullptr; }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  HDC LentBackground() override { return BackgroundDC(); }

 private:
  std::unique_ptr<CGdiPlusBitmapResource> background_;
  std::unique_ptr<CMyMemDC> backgroundBuffer_;
};
