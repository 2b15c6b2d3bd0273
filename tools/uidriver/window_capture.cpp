#include "tools/uidriver/window_capture.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <vector>

#include "framework/gdi.h"

namespace {
// What a window's rectangle shows on the screen, as the rows of a bottom-up 24-bit BMP.
struct ScreenPicture {
  BITMAPINFOHEADER header{};
  std::vector<char> pixels;
};

// BMP rows of 24-bit pixels are padded to four bytes.
std::size_t RowBytes(int width) { return (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3}; }

std::optional<ScreenPicture> CaptureWindow(HWND window) {
  RECT place{};
  if (!GetWindowRect(window, &place)) return std::nullopt;
  const int width = place.right - place.left;
  const int height = place.bottom - place.top;
  if (width <= 0 || height <= 0) return std::nullopt;

  ScreenPicture picture;
  BITMAPINFOHEADER& header = picture.header;
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = height;  // bottom-up, as BMP files store their rows
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  picture.pixels.resize(RowBytes(width) * static_cast<std::size_t>(height));
  header.biSizeImage = static_cast<DWORD>(picture.pixels.size());

  WindowDC screen(nullptr);
  BitmapHandle bitmap(CreateCompatibleBitmap(screen.GetSafeHdc(), width, height));
  {
    MemoryDC copy(screen.GetSafeHdc());
    SelectGuard selected(copy.GetSafeHdc(), bitmap.Get());
    if (!::BitBlt(copy.GetSafeHdc(), 0, 0, width, height, screen.GetSafeHdc(), place.left, place.top, SRCCOPY))
      return std::nullopt;
  }
  // Read once the bitmap is out of the copying context again.
  if (!GetDIBits(screen.GetSafeHdc(), bitmap.Get(), 0, static_cast<UINT>(height), picture.pixels.data(),
                 reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS))
    return std::nullopt;
  return picture;
}
}  // namespace

bool SaveWindowPicture(HWND window, const std::wstring& path) {
  const auto picture = CaptureWindow(window);
  if (!picture) return false;
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof picture->header;
  file.bfSize = static_cast<DWORD>(file.bfOffBits + picture->pixels.size());
  std::ofstream out(std::filesystem::path(path), std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&picture->header), sizeof picture->header);
  out.write(picture->pixels.data(), static_cast<std::streamsize>(picture->pixels.size()));
  return static_cast<bool>(out);
}

bool ShowsAPicture(HWND window) {
  const auto picture = CaptureWindow(window);
  if (!picture) return false;
  const std::size_t rowBytes = RowBytes(picture->header.biWidth);
  const std::size_t usedBytes = static_cast<std::size_t>(picture->header.biWidth) * 3;
  const char* first = picture->pixels.data();
  for (std::size_t row = 0; row < static_cast<std::size_t>(picture->header.biHeight); ++row) {
    const char* pixel = first + row * rowBytes;
    for (std::size_t at = 0; at < usedBytes; at += 3)
      if (pixel[at] != first[0] || pixel[at + 1] != first[1] || pixel[at + 2] != first[2]) return true;
  }
  return false;
}
