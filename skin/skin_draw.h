// Drawing of the skin's images and texts, shared by the dialog base and every skinned control.
#pragma once
#include <windows.h>

#include <string_view>

#include "base/messages.h"
#include "framework/dpi.h"
#include "framework/gdi.h"
#include "skin/gdiplus_bitmap.h"

// Colours of the skin (COLORREF, 0x00BBGGRR).
inline constexpr COLORREF kSkinWhite = 0xFFFFFF;
inline constexpr COLORREF kSkinDisabledGrey = 0x646464;
inline constexpr COLORREF kSkinHighlight = 0xFFA000;  // red 0, green 160, blue 255
inline constexpr COLORREF kSkinDimGrey = 0x969696;

// The skin's focus mark: a frame in the highlight colour just inside `rect`, drawn over a control
// that has the keyboard focus while the window shows keyboard cues.
void DrawSkinFocusMark(HDC dc, const RECT& rect);
// Whether `window` shows keyboard cues now: the user has moved through its top-level window with the
// keyboard (WM_QUERYUISTATE without UISF_HIDEFOCUS), as the system's own controls decide.
bool ShowsFocusCues(HWND window);

// The window property with which every skinned window marks itself.
inline constexpr wchar_t kSkinnedWindowProperty[] = L"###restoreparentdc_tag###";

// Draws the whole of `image` scaled into the rectangle (device pixels), from the form of the image
// made for that size (CGdiPlusBitmap::SourceFor); `alpha` below 1 multiplies its opacity. Nothing
// is drawn for an empty holder.
void DrawSkinImage(HDC dc, const CGdiPlusBitmap& image, int x, int y, int width, int height,
                   float alpha = 1.0f);
// Draws the top-left `width` x `height` part (pixels at 96 DPI) of `image` at its size for `dpi`,
// at (x, y).
void DrawSkinImagePart(HDC dc, UINT dpi, const CGdiPlusBitmap& image, int x, int y, int width, int height);

// The face of the skin's texts: "Decker" where it is installed, else the system's message font
// (a face every Windows has, with Chinese glyphs on a Chinese Windows and font links to them on the
// others), else Tahoma. Looked up once.
const wchar_t* SkinFontFace();
// A font of the skin at `dpi`: the face above, pitch-and-family 32 (FF_SWISS), the default
// character set (the font mapper then keeps to faces that have the texts' script); `height` is the
// height at 96 DPI.
FontHandle CreateSkinFont(UINT dpi, int height, int weight = FW_THIN);

// One skin font a control keeps, made again when its window's DPI changes.
class SkinFontCache {
 public:
  SkinFontCache(int height, int weight = FW_THIN) : height_(height), weight_(weight) {}
  HFONT For(UINT dpi) {
    if (!font_ || dpi != dpi_) {
      font_ = CreateSkinFont(dpi, height_, weight_);
      dpi_ = dpi;
    }
    return font_.Get();
  }

 private:
  int height_;
  int weight_;
  UINT dpi_ = 0;
  FontHandle font_;
};

// Draws `text` in a skin font of `height` (at 96 DPI) and `weight` at `dpi`, transparent, in `colour`. The text is
// drawn as it is: the skin has no keyboard mnemonics, so an "&" (in a device or share name) is a character like any
// other.
void DrawSkinText(HDC dc, UINT dpi, std::wstring_view text, RECT rect, UINT format, int height, int weight,
                  COLORREF colour);

// Whether `text`, drawn as DrawSkinText draws it with `format` (one line, or wrapped with
// DT_WORDBREAK), fits `rect` whole: no line wider than it, and wrapped, no line below it.
bool SkinTextFits(HDC dc, UINT dpi, std::wstring_view text, const RECT& rect, UINT format, int height, int weight);

// The control side of the background protocol: asks the parent of `control` to paint what lies
// under the control into `dc` (message WM_DRAW_PARENT_BG; WM_ERASEBKGND as well when the parent
// answered 0).
void PaintParentBackground(HWND control, HDC dc);
// The parent side: copies the part of `background` (a buffer of `parent`'s client area) that lies
// under `child` into `dc` at (0, 0).
void LendBackground(HWND parent, HDC background, HWND child, HDC dc);
// Marks a skinned window with its own handle, once.
void MarkSkinnedWindow(HWND window);
// Takes the mark off again before the window goes (a window must remove its properties itself).
void UnmarkSkinnedWindow(HWND window);
