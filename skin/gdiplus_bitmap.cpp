#include "skin/gdiplus_bitmap.h"

bool CGdiPlusBitmapResource::Load(UINT id, const wchar_t* type) {
  image_ = CSharedPng::Find(id, type);
  return image_ != nullptr;
}
