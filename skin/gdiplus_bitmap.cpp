#include "skin/gdiplus_bitmap.h"

#include <cwchar>

namespace {
struct ScaledSet {
  int percent;
  const wchar_t* type;
};
constexpr ScaledSet kScaledSets[] = {{125, L"PNG125"}, {150, L"PNG150"}, {175, L"PNG175"}, {200, L"PNG200"}};

// The size the build gives an image of `size` pixels at 100 % in a set of `percent`.
int SizeInSet(int size, int percent) { return (size * percent + 50) / 100; }
}  // namespace

Gdiplus::Bitmap* CGdiPlusBitmap::SourceFor(int width, int height) const {
  if (!image_ || (width <= Width() && height <= Height()) || scalableId_ == 0) return Get();
  Gdiplus::Bitmap* largest = nullptr;
  for (size_t index = 0; index < scaled_.size(); ++index) {
    const ScaledSet& set = kScaledSets[index];
    if (!scaled_[index]) scaled_[index] = CSharedPng::Find(scalableId_, set.type);
    Gdiplus::Bitmap* bitmap = scaled_[index] ? scaled_[index]->Bitmap() : nullptr;
    if (!bitmap) continue;
    largest = bitmap;
    if (SizeInSet(Width(), set.percent) >= width && SizeInSet(Height(), set.percent) >= height) return bitmap;
  }
  return largest ? largest : Get();
}

bool CGdiPlusBitmapResource::Load(UINT id, const wchar_t* type) {
  Empty();
  image_ = CSharedPng::Find(id, type);
  if (image_ && !IS_INTRESOURCE(type) && std::wcscmp(type, L"PNG") == 0) scalableId_ = id;
  return image_ != nullptr;
}

void CGdiPlusBitmapResource::Empty() {
  image_.reset();
  scalableId_ = 0;
  scaled_ = {};
}
