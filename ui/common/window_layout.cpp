#include "ui/common/window_layout.h"

#include "framework/dpi.h"
#include "i18n/win/win_language.h"
#include "skin/controls/trans_static.h"

namespace {
// A label of a table the window's code never speaks to: it goes with its control.
class COwnedLabel final : public CTransStatic {
 protected:
  void PostNcDestroy() override { delete this; }
};

CTransStatic* LabelOf(HWND control) {
  if (CWnd* object = CWnd::FromHandle(control)) return dynamic_cast<CTransStatic*>(object);
  wchar_t className[16] = {};
  if (!GetClassNameW(control, className, static_cast<int>(std::size(className))) ||
      _wcsicmp(className, L"Static") != 0) {
    return nullptr;
  }
  auto* label = new COwnedLabel;
  if (label->SubclassWindow(control)) return label;
  delete label;
  return nullptr;
}
}  // namespace

void WindowLayout::Apply(HWND window) {
  LayOutControls(window, table_);
  const UINT dpi = WindowDpi(window);
  for (const ControlPlacement& place : table_) {
    if (place.font.height <= 0) continue;
    HWND control = ::GetDlgItem(window, place.id);
    if (!control) continue;
    if (CTransStatic* label = LabelOf(control)) {
      label->SetFontHeight(place.font.height);
      label->SetFontWeight(place.font.weight);
      if (place.font.format != 0) label->SetFormat(place.font.format);
      if (place.text) label->SetText(Tr(place.text));
      continue;
    }
    ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(place.font, dpi)), TRUE);
    if (place.text) ::SetWindowTextW(control, Tr(place.text).c_str());
  }
}

HFONT WindowLayout::FontFor(const FontRole& role, UINT dpi) {
  for (RoleFont& made : fonts_) {
    if (made.role.height == role.height && made.role.weight == role.weight) return made.font.For(dpi);
  }
  fonts_.push_back({role, SkinFontCache(role.height, role.weight)});
  return fonts_.back().font.For(dpi);
}
