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

// Draws `source` into `destination`: directly where it is drawn at its own size and unfaded (GDI+
// takes its direct path without attributes: the main background drew four times faster under
// Wine), else scaled, with `alpha` multiplying its opacity. A larger form of an image (`largerForm`)
// scaled down to a size between two forms is scaled with high quality, so that it keeps its detail.
void DrawSource(Gdiplus::Graphics& graphics, Gdiplus::Bitmap& source, const Gdiplus::Rect& destination,
                float alpha, bool largerForm) {
  if (alpha >= 1.0f && static_cast<UINT>(destination.Width) == source.GetWidth() &&
      static_cast<UINT>(destination.Height) == source.GetHeight()) {
    graphics.DrawImage(&source, destination.X, destination.Y, destination.Width, destination.Height);
    return;
  }
  if (largerForm) {
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHighQuality);
  }
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
  graphics.DrawImage(&source, destination, 0, 0, static_cast<INT>(source.GetWidth()),
                     static_cast<INT>(source.GetHeight()), Gdiplus::UnitPixel, &attributes);
}
}  // namespace

void DrawSkinImage(HDC dc, const CGdiPlusBitmap& image, int x, int y, int width, int height, float alpha) {
  if (width <= 0 || height <= 0) return;
  Gdiplus::Bitmap* source = image.SourceFor(width, height);
  if (!source) return;
  Gdiplus::Graphics graphics(dc);
  DrawSource(graphics, *source, Gdiplus::Rect(x, y, width, height), alpha,
             width > image.Width() || height > image.Height());
}

void DrawSkinImagePart(HDC dc, UINT dpi, const CGdiPlusBitmap& image, int x, int y, int width, int height) {
  if (width <= 0 || height <= 0) return;
  // The whole image at the DPI, clipped to the part.
  const int fullWidth = ScaleToDpi(image.Width(), dpi);
  const int fullHeight = ScaleToDpi(image.Height(), dpi);
  Gdiplus::Bitmap* source = image.SourceFor(fullWidth, fullHeight);
  if (!source) return;
  Gdiplus::Graphics graphics(dc);
  graphics.SetClip(Gdiplus::Rect(x, y, ScaleToDpi(width, dpi), ScaleToDpi(height, dpi)));
  DrawSource(graphics, *source, Gdiplus::Rect(x, y, fullWidth, fullHeight), 1.0f,
             fullWidth > image.Width() || fullHeight > image.Height());
}

namespace {
// The face of the system's message boxes: one every Windows has, with the script of its own
// language and links to the others ("Segoe UI" on an English Windows, "Microsoft YaHei UI" on a
// Simplified Chinese one); empty where the system does not say.
std::wstring MessageFontFace() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return {};
  return metrics.lfMessageFont.lfFaceName;
}
}  // namespace

const wchar_t* SkinFontFace() {
  static const std::wstring face = [] {
    if (FaceInstalled(L"Decker")) return std::wstring(L"Decker");
    std::wstring message = MessageFontFace();
    return !message.empty() && FaceInstalled(message.c_str()) ? message : std::wstring(L"Tahoma");
  }();
  return face.c_str();
}

FontHandle CreateSkinFont(UINT dpi, int height, int weight) {
  return FontHandle(CreateFontW(ScaleToDpi(height, dpi), 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS, SkinFontFace()));
}

void DrawSkinText(HDC dc, UINT dpi, std::wstring_view text, RECT rect, UINT format, int height, int weight,
                  COLORREF colour) {
  FontHandle font = CreateSkinFont(dpi, height, weight);
  SelectGuard selected(dc, font.Get());
  CDC(dc).DrawText(text, rect, format | DT_NOPREFIX, colour);
}

bool SkinTextFits(HDC dc, UINT dpi, std::wstring_view text, const RECT& rect, UINT format, int height, int weight) {
  FontHandle font = CreateSkinFont(dpi, height, weight);
  SelectGuard selected(dc, font.Get());
  const bool wraps = (format & DT_WORDBREAK) != 0;
  RECT needed = rect;
  ::DrawTextW(dc, text.data(), static_cast<int>(text.size()), &needed,
              DT_CALCRECT | DT_NOPREFIX | (wraps ? DT_WORDBREAK | DT_EDITCONTROL : DT_SINGLELINE));
  return needed.right <= rect.right && (!wraps || needed.bottom <= rect.bottom);
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
