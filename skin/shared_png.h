// PNG images of the program's own resources, each decoded once however many holders show it.
#pragma once
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <memory>
#include <mutex>
#include <span>
#include <thread>
#include <vector>

#include "skin/geometry/png_header.h"
#include "framework/gdi.h"

// One PNG resource as a GDI+ bitmap. Windows are built with dozens of images (a button has three
// looks, the shortcut buttons share their backgrounds), and decoding them all while a window starts
// cost most of its start-up; so the size is read from the PNG's header and the pixels are decoded
// on first use, once for every holder of the same image. Images may be found and decoded on any
// thread (see CPngPreload).
class CSharedPng {
 public:
  // The image of resource `id` of `type` that a holder still keeps, else a new one; null when the
  // resource is missing or does not start like a PNG.
  static std::shared_ptr<CSharedPng> Find(UINT id, const wchar_t* type);

  CSharedPng(std::span<const unsigned char> bytes, PngSize size) : bytes_(bytes), size_(size) {}
  CSharedPng(const CSharedPng&) = delete;
  CSharedPng& operator=(const CSharedPng&) = delete;

  // The size the PNG declares.
  PngSize Size() const { return size_; }
  // The decoded bitmap; null when the bytes do not decode (tried once). A call while another
  // thread decodes waits for it.
  Gdiplus::Bitmap* Bitmap();

 private:
  void Decode();

  std::span<const unsigned char> bytes_;  // the resource, mapped as long as the module
  PngSize size_;
  std::once_flag decoded_;
  // GDI+ may read a stream-made bitmap's pixels from the stream at any time, so the copy of the
  // bytes under the stream outlives the bitmap (members go in reverse order).
  GlobalBlock buffer_;
  std::unique_ptr<Gdiplus::Bitmap> bitmap_;
};

// Decodes images on a thread of its own, in the order given, while the caller goes on, and keeps
// them while it lives. The first decode of a process loads the platform's image codecs; a window
// that starts it before building its controls finds its background and the first looks of its
// controls decoded when it paints them (a window's controls paint one after another, and decoding
// their images there took most of the first paint).
class CPngPreload {
 public:
  explicit CPngPreload(std::span<const UINT> ids, const wchar_t* type = L"PNG");
  // Waits for the decodes.
  ~CPngPreload() = default;

 private:
  std::vector<std::shared_ptr<CSharedPng>> images_;
  std::jthread decoder_;  // last: joined before the images are let go
};
