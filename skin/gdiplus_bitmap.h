// PNG images from the program's resources as GDI+ bitmaps.
#pragma once
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <array>
#include <memory>

#include "skin/shared_png.h"

// Holder of one GDI+ bitmap; empty when nothing is loaded. Its size is the image's size at 100 %;
// an image of the program's skin is also there drawn at 125, 150, 175 and 200 % (resource types
// PNG125 ... PNG200, same ids), and a window of a higher scale draws the one made for its size.
class CGdiPlusBitmap {
 public:
  CGdiPlusBitmap() = default;
  CGdiPlusBitmap(const CGdiPlusBitmap&) = delete;
  CGdiPlusBitmap& operator=(const CGdiPlusBitmap&) = delete;
  virtual ~CGdiPlusBitmap() = default;

  // The bitmap at 100 %, decoded on first use; null when nothing is loaded or the image does not
  // decode.
  Gdiplus::Bitmap* Get() const { return image_ ? image_->Bitmap() : nullptr; }
  bool IsLoaded() const { return Get() != nullptr; }
  // The size the image declares at 100 %, known without decoding it.
  int Width() const { return image_ ? image_->Size().width : 0; }
  int Height() const { return image_ ? image_->Size().height : 0; }

  // The bitmap to draw into `width` x `height` pixels: the 100 % one where that is large enough,
  // else the one of the smallest scale that is (the largest there is when none), so that the image
  // is drawn from the drawing's own detail and only ever scaled down. Null as Get.
  Gdiplus::Bitmap* SourceFor(int width, int height) const;

 protected:
  std::shared_ptr<CSharedPng> image_;
  // The skin resource the image is, whose larger forms SourceFor finds on first use; 0 for none.
  UINT scalableId_ = 0;
  mutable std::array<std::shared_ptr<CSharedPng>, 4> scaled_;  // 125, 150, 175, 200 %
};

// A bitmap from a resource of the program's own module, shared with every other holder of the same
// resource and decoded when it is first drawn.
class CGdiPlusBitmapResource : public CGdiPlusBitmap {
 public:
  // Loads resource `id` of type `type` ("PNG": a skin image, with its larger forms); false, and
  // empty, when it is missing or is no PNG.
  bool Load(UINT id, const wchar_t* type = L"PNG");
  void Empty();
};
