#include "tools/gallery/gallery_dialog.h"

#include "skin/skin_draw.h"

namespace {
constexpr UINT kTemplate = 900;
// The gallery's own background (gallery_background.py): the main window's panels where the button
// sections sit, and room for the lists, fields and panels.
constexpr UINT kGalleryBackground = 901;
constexpr int kWidth = 1280;
constexpr int kHeight = 1000;
constexpr COLORREF kLabelColour = RGB(144, 144, 144);
}  // namespace

CGalleryDialog::CGalleryDialog() : CGdipDialog(kTemplate) {}

BOOL CGalleryDialog::OnInitDialog() {
  SetWindowPos(GetSafeHwnd(), nullptr, 0, 0, kWidth, kHeight, SWP_NOZORDER);
  for (const Section& section : sections_) section(*this);
  SetBackgroundImage(kGalleryBackground);
  return TRUE;
}

void CGalleryDialog::OnPaint(HDC dc) {
  CGdipDialog::OnPaint(dc);
  for (const Label& label : labels_) {
    DrawSkinText(dc, WindowDpi(GetSafeHwnd()), label.text, label.rect, DT_SINGLELINE | DT_BOTTOM, 13, FW_THIN,
                 kLabelColour);
  }
}

bool CGalleryDialog::OnCommand(WORD id, WORD code, HWND control) {
  // Buttons only show their looks here; Escape closes the gallery.
  if (control && code == BN_CLICKED) return true;
  return CGdipDialog::OnCommand(id, code, control);
}

HWND CGalleryDialog::CreateChild(const wchar_t* className, const std::wstring& text, DWORD style,
                                 const RECT& rect) {
  return CreateWindowExW(0, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, rect.left, rect.top,
                         rect.right - rect.left, rect.bottom - rect.top, GetSafeHwnd(),
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextId_++)), GetModuleHandleW(nullptr),
                         nullptr);
}
