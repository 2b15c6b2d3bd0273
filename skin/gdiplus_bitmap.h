// PNG images from the program's resources as GDI+ bitmaps.
#pragma once
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <memory>

#include "skin/shared_png.h"

// Holder of one GDI+ bitmap; empty when nothing is loaded.
class CGdiPlusBitmap {
 public:
  CGdiPlusBitmap() = default;
  CGdiPlusBitmap(const CGdiPlusBitmap&) = delete;
  CGdiPlusBitmap& operator=(const CGdiPlusBitmap&) = delete;
  virtual ~CGdiPlusBitmap() = default;

  // The bitmap, decoded on first use; null when nothing is loaded or the image does not decode.
  Gdiplus::Bitmap* Get() const { return image_ ? image_->Bitmap() : nullptr; }
  bool IsLoaded() const { return Get() != nullptr; }
  // The size the image declares, known without decoding it.
  int Width() const { return image_ ? image_->Size().width : 0; }
  int Height() const { return image_ ? image_->Size().height : 0; }

 protected:
  std::shared_ptr<CSharedPng> image_;
};

// A bitmap from a resource of the program's own module, shared with every other holder of the same
// resource and decoded when it is first drawn.
class CGdiPlusBitmapResource : public CGdiPlusBitmap {
 public:
  // Loads resource `id` of type `type` ("PNG"); false, and empty, when it is missing or is no PNG.
  bool Load(UINT id, const wchar_t* type = L"PNG");
  void Empty() { image_.reset(); }
};
