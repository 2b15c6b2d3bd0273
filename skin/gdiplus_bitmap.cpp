#include "skin/gdiplus_bitmap.h"

#include <cstring>

void CGdiPlusBitmapResource::Empty() {
  bitmap_.reset();
  buffer_.Free();
}

bool CGdiPlusBitmapResource::Load(UINT id, const wchar_t* type) {
  Empty();
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(id), type);
  if (!resource) return false;
  DWORD size = SizeofResource(module, resource);
  if (size == 0) return false;
  HGLOBAL loaded = LoadResource(module, resource);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes || !buffer_.Allocate(size)) return false;
  std::memcpy(buffer_.Data(), bytes, size);

  IStream* stream = nullptr;
  if (CreateStreamOnHGlobal(buffer_.Handle(), FALSE, &stream) != S_OK) {
    Empty();
    return false;
  }
  bitmap_.reset(Gdiplus::Bitmap::FromStream(stream));
  stream->Release();
  if (!bitmap_ || bitmap_->GetLastStatus() != Gdiplus::Ok) {
    Empty();
    return false;
  }
  return true;
}
