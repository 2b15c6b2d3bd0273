#include "skin/skin_draw.h"

#include <string>

namespace {
bool FaceInstalled(const wchar_t* face) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  wcsncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
  bool found = false;
  WindowDC screen(nullptr);
  EnumFontFamiliesExW(
      screen.GetSafeHdc(), &wanted,
      [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) -> int {
        *reinterpret_cast<bool*>(found) = true;
        return 0;
      },
      reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

void DrawWithAttributes(HDC dc, const CGdiPlusBitmap& image, const Gdiplus::Rect& destination,
                        float alpha) {
  Gdiplus::Graphics graphics(dc);
  Gdiplus::ImageAttributes attributes;
  // Scaling samples beyond the image's edge; mirroring there keeps the edges opaque.
  attributes.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
  if (alpha < 1.0f) {
    Gdiplus::ColorMatrix matrix = {{{1, 0, 0, 0, 0},
                                    {0, 1, 0, 0, 0},
                                    {0, 0, 1, 0, 0},
                                    {0, 0, 0, alpha, 0},
                                    {0, 0, 0, 0, 1}}};
    attributes.SetColorMatrix(&matrix);
  }
  graphics.DrawImage(image.Get(), destination, 0, 0, image.Width(), image.Height(), Gdiplus::UnitPixel,
                     &attributes);
}
}  // namespace

void DrawSkinImage(HDC dc, const CGdiPlusBitmap& image, int x, int y, int width, int height,
                   float alpha) {
  if (!image.IsLoaded() || width <= 0 || height <= 0) return;
  if (alpha >= 1.0f && width == image.Width() && height == image.Height()) {
    // Unscaled and unfaded: nothing to sample beyond the edges, and without attributes GDI+ takes
    // its direct path (the main background drew four times faster under Wine).
    Gdiplus::Graphics graphics(dc);
    graphics.DrawImage(image.Get(), x, y, width, height);
    return;
  }
  DrawWithAttributes(dc, image, Gdiplus::Rect(x, y, width, height), alpha);
}

void DrawSkinImagePart(HDC dc, const CGdiPlusBitmap& image, int x, int y, int width, int height) {
  if (!image.IsLoaded() || width <= 0 || height <= 0) return;
  Gdiplus::Graphics graphics(dc);
  graphics.DrawImage(image.Get(), x, y, 0, 0, width, height, Gdiplus::UnitPixel);
}

const wchar_t* SkinFontFace() {
  static const wchar_t* const face = FaceInstalled(L"Decker") ? L"Decker" : L"Tahoma";
  return face;
}

FontHandle CreateSkinFont(UINT dpi, int height, int weight) {
  return FontHandle(CreateFontW(ScaleToDpi(height, dpi), 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS, SkinFontFace()));
}

void DrawSkinText(HDC dc, UINT dpi, std::wstring_view text, RECT rect, UINT format, int height, int weight,
                  COLORREF colour) {
  FontHandle font = CreateSkinFont(dpi, height, weight);
  SelectGuard selected(dc, font.Get());
  CDC(dc).DrawText(text, rect, format | DT_NOPREFIX, colour);
}

void PaintParentBackground(HWND control, HDC dc) {
  HWND parent = GetParent(control);
  if (!parent) return;
  if (SendMessageW(parent, WM_DRAW_PARENT_BG, reinterpret_cast<WPARAM>(dc),
                   reinterpret_cast<LPARAM>(control)) == 0) {
    SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  }
}

void LendBackground(HWND parent, HDC background, HWND child, HDC dc) {
  RECT area{};
  GetWindowRect(child, &area);
  POINT corners[2] = {{area.left, area.top}, {area.right, area.bottom}};
  ScreenToClient(parent, &corners[0]);
  ScreenToClient(parent, &corners[1]);
  ::BitBlt(dc, 0, 0, corners[1].x - corners[0].x, corners[1].y - corners[0].y, background,
           corners[0].x, corners[0].y, SRCCOPY);
}

void MarkSkinnedWindow(HWND window) {
  if (!GetPropW(window, kSkinnedWindowProperty)) SetPropW(window, kSkinnedWindowProperty, window);
}

void UnmarkSkinnedWindow(HWND window) {
  if (GetPropW(window, kSkinnedWindowProperty) == window) RemovePropW(window, kSkinnedWindowProperty);
}

void DrawSkinFocusMark(HDC dc, const RECT& rect) {
  constexpr int kThickness = 2;
  BrushHandle brush(CreateSolidBrush(kSkinHighlight));
  for (int ring = 0; ring < kThickness; ++ring) {
    RECT frame{rect.left + ring, rect.top + ring, rect.right - ring, rect.bottom - ring};
    FrameRect(dc, &frame, brush.Get());
  }
}

bool ShowsFocusCues(HWND window) {
  // The top-level window holds the state for all its controls (WM_CHANGEUISTATE ends there).
  return (SendMessageW(GetAncestor(window, GA_ROOT), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0;
}
