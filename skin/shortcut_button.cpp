#include "skin/shortcut_button.h"

#include "skin/skin_draw.h"

namespace {
constexpr int kIconSize = 52;
constexpr int kTextX = 52;
constexpr float kDisabledAlpha = 0.5f;
}  // namespace

LRESULT CShortCutButton::ButtonProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETDLGCODE:
      return CSkinButton::ButtonProc(message, wParam, lParam) | DLGC_WANTARROWS;
    case WM_KEYDOWN:
      if (wParam == VK_UP || wParam == VK_DOWN || wParam == VK_LEFT || wParam == VK_RIGHT) {
        if (HWND next = Neighbour(wParam == VK_DOWN || wParam == VK_RIGHT)) {
          // Through the dialog manager, so that Enter follows the focus to the new button.
          ::SendMessageW(GetParent(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
        }
        return 0;
      }
      break;
    default:
      break;
  }
  return CSkinButton::ButtonProc(message, wParam, lParam);
}

HWND CShortCutButton::Neighbour(bool next) const {
  for (HWND sibling = ::GetWindow(GetSafeHwnd(), next ? GW_HWNDNEXT : GW_HWNDPREV); sibling;
       sibling = ::GetWindow(sibling, next ? GW_HWNDNEXT : GW_HWNDPREV)) {
    if (!dynamic_cast<CShortCutButton*>(CWnd::FromHandle(sibling))) continue;
    if (::IsWindowVisible(sibling) && ::IsWindowEnabled(sibling)) return sibling;
  }
  return nullptr;
}

bool CShortCutButton::LoadImages(UINT normalId, UINT selectedId, UINT hoverId, UINT iconId,
                                 UINT activeIconId, const wchar_t* type) {
  FreeImages();
  bool normal = normalBackground_.Load(normalId, type);
  bool selected = selectedBackground_.Load(selectedId, type);
  bool hover = hoverBackground_.Load(hoverId, type);
  bool icon = icon_.Load(iconId, type);
  bool active = activeIcon_.Load(activeIconId, type);
  if (GetSafeHwnd()) Invalidate(false);
  return normal && selected && hover && icon && active;
}

void CShortCutButton::FreeImages() {
  normalBackground_.Empty();
  selectedBackground_.Empty();
  hoverBackground_.Empty();
  icon_.Empty();
  activeIcon_.Empty();
  ResetDisabledCache();
}

void CShortCutButton::SetActive(bool active) {
  active_ = active;
  if (GetSafeHwnd()) Invalidate(false);
}

void CShortCutButton::DrawFace(HDC dc, const RECT& client, UINT itemState) {
  bool disabled = (itemState & ODS_DISABLED) != 0;
  bool pressedOrFocused = (itemState & (ODS_SELECTED | ODS_FOCUS)) != 0;
  int width = RectWidth(client);
  int height = RectHeight(client);
  const UINT dpi = WindowDpi(GetSafeHwnd());
  const int iconSize = ScaleToDpi(kIconSize, dpi);
  if (disabled) {
    // The icon fades with the background: with the caption grey in both looks, a full-strength
    // icon left a disabled shortcut looking like an idle one.
    DrawDisabledCached(dc, client, [&] {
      DrawSkinImage(dc, normalBackground_, 0, 0, width, height, kDisabledAlpha);
      DrawSkinImage(dc, icon_, 0, 0, iconSize, iconSize, kDisabledAlpha);
    });
  } else {
    if (pressedOrFocused || active_) {
      DrawSkinImage(dc, selectedBackground_, 0, 0, width, height);
    } else {
      DrawSkinImage(dc, IsHovered() ? hoverBackground_ : normalBackground_, 0, 0, width, height);
    }
    bool lit = (itemState & ODS_SELECTED) || IsHovered();
    DrawSkinImage(dc, lit ? activeIcon_ : icon_, 0, 0, iconSize, iconSize);
  }

  if (!DrawsText()) return;
  bool emphasised = !disabled && (pressedOrFocused || IsHovered());
  int fontHeight = emphasised ? 18 : 16;
  int weight = emphasised ? FW_BOLD : FW_THIN;
  // An enabled caption stands out from its background; a disabled one is dimmed, so that the
  // column says which shortcuts the user may press.
  COLORREF colour = disabled ? kSkinDisabledGrey : (emphasised || active_) ? kSkinHighlight : kSkinWhite;
  std::wstring text = GetWindowText();
  // Measured first, so that the caption sits in the middle of the button's height.
  const int textX = ScaleToDpi(kTextX, dpi);
  RECT measured = {textX, 0, width, height};
  {
    FontHandle font = CreateSkinFont(dpi, fontHeight, weight);
    SelectGuard selected(dc, font.Get());
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured, DT_CALCRECT | DT_SINGLELINE);
  }
  int textHeight = RectHeight(measured);
  RECT rect = {textX, (height - textHeight) / 2, width, (height - textHeight) / 2 + textHeight};
  DrawSkinText(dc, dpi, text, rect, DT_SINGLELINE, fontHeight, weight, colour);
}
