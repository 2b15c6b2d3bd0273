// PNG images from the program's resources as GDI+ bitmaps.
#pragma once
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <memory>

#include "ui/framework/gdi.h"

// Holder of one GDI+ bitmap; empty when nothing is loaded.
class CGdiPlusBitmap {
 public:
  CGdiPlusBitmap() = default;
  CGdiPlusBitmap(const CGdiPlusBitmap&) = delete;
  CGdiPlusBitmap& operator=(const CGdiPlusBitmap&) = delete;
  virtual ~CGdiPlusBitmap() = default;

  Gdiplus::Bitmap* Get() const { return bitmap_.get(); }
  bool IsLoaded() const { return bitmap_ != nullptr; }
  int Width() const { return bitmap_ ? static_cast<int>(bitmap_->GetWidth()) : 0; }
  int Height() const { return bitmap_ ? static_cast<int>(bitmap_->GetHeight()) : 0; }

 protected:
  std::unique_ptr<Gdiplus::Bitmap> bitmap_;
};

// A bitmap decoded from a resource of the program's own module. GDI+ reads the pixels of a
// stream-made bitmap lazily from the stream, so the PNG bytes stay in a locked global block for as
// long as the bitmap exists.
class CGdiPlusBitmapResource : public CGdiPlusBitmap {
 public:
  CGdiPlusBitmapResource() = default;
  // Frees the bitmap before the block it reads from.
  ~CGdiPlusBitmapResource() override { Empty(); }

  // Loads resource `id` of type `type` ("PNG"); false, and empty, when it is missing or undecodable.
  bool Load(UINT id, const wchar_t* type = L"PNG");
  void Empty();

 private:
  GlobalBlock buffer_;
};
