#include "skin/shared_png.h"

#include <cstring>
#include <map>
#include <string>
#include <utility>

namespace {
// Resource types are names or numbers; both become one key.
std::wstring TypeKey(const wchar_t* type) {
  if (IS_INTRESOURCE(type)) return L"#" + std::to_wstring(reinterpret_cast<ULONG_PTR>(type));
  return type;
}

std::span<const unsigned char> ResourceBytes(UINT id, const wchar_t* type) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(id), type);
  if (!resource) return {};
  const DWORD size = SizeofResource(module, resource);
  HGLOBAL loaded = size ? LoadResource(module, resource) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) return {};
  return {static_cast<const unsigned char*>(bytes), size};
}
}  // namespace

std::shared_ptr<CSharedPng> CSharedPng::Find(UINT id, const wchar_t* type) {
  // Weak: an image lives exactly as long as its holders, as a privately decoded one would.
  static std::map<std::pair<UINT, std::wstring>, std::weak_ptr<CSharedPng>> shown;
  static std::mutex shownLock;
  const std::lock_guard lock(shownLock);
  const auto key = std::make_pair(id, TypeKey(type));
  if (auto kept = shown[key].lock()) return kept;

  const std::span<const unsigned char> bytes = ResourceBytes(id, type);
  const std::optional<PngSize> size = ReadPngSize(bytes);
  if (!size) {
    shown.erase(key);
    return nullptr;
  }
  auto image = std::make_shared<CSharedPng>(bytes, *size);
  shown[key] = image;
  return image;
}

Gdiplus::Bitmap* CSharedPng::Bitmap() {
  std::call_once(decoded_, &CSharedPng::Decode, this);
  return bitmap_.get();
}

void CSharedPng::Decode() {
  if (!buffer_.Allocate(bytes_.size())) return;
  std::memcpy(buffer_.Data(), bytes_.data(), bytes_.size());
  IStream* stream = nullptr;
  if (CreateStreamOnHGlobal(buffer_.Handle(), FALSE, &stream) != S_OK) {
    buffer_.Free();
    return;
  }
  bitmap_.reset(Gdiplus::Bitmap::FromStream(stream));
  stream->Release();
  if (!bitmap_ || bitmap_->GetLastStatus() != Gdiplus::Ok) {
    bitmap_.reset();
    buffer_.Free();
  }
}

CPngPreload::CPngPreload(std::span<const UINT> ids, const wchar_t* type) {
  for (UINT id : ids) {
    if (auto image = CSharedPng::Find(id, type)) images_.push_back(std::move(image));
  }
  if (images_.empty()) return;
  decoder_ = std::jthread([images = images_] {
    for (const auto& image : images) image->Bitmap();
  });
}
