// The base of every skinned dialog: painted from one background image, moved by dragging anywhere
// on its background, and lending that background to its skinned children so that they look
// transparent. A top-level one records the DPI it is laid out for and, moved to a screen of another
// scale, takes the size the system suggests and lays itself out and renders its background again.
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
  // Sizes the window and places its controls at its DPI from its one layout table; called by the
  // window at init and by the base whenever the DPI changes.
  virtual void LayOut() {}

 private:
  std::unique_ptr<CGdiPlusBitmapResource> background_;
  // A DPI change: the new one recorded, the suggested rectangle taken, layout and background made
  // again, the children told.
  void OnDpiChanged(UINT dpi, const RECT& suggested);

  std::unique_ptr<CMyMemDC> backgroundBuffer_;
  UINT backgroundId_ = 0;
};
