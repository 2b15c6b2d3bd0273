#include "skin/controls/volume_info_ctrl.h"

#include <oleacc.h>

#include "base/messages.h"
#include "i18n/number_fields.h"
#include "i18n/win/win_language.h"
#include "res/resource.h"
#include "skin/geometry/gauge_math.h"
#include "skin/skin_draw.h"

namespace {
constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE;

// The texts (ids 1-3): name, used and total size, percentage.
struct TextPlace {
  RECT rect;
  UINT format;
  int fontHeight;
};
constexpr TextPlace kTextPlaces[] = {
    {{48, 13, 125, 30}, DT_SINGLELINE | DT_BOTTOM | DT_RIGHT, 18},
    {{141, 35, 413, 49}, DT_SINGLELINE | DT_BOTTOM, 13},
    {{422, 16, 468, 31}, DT_SINGLELINE | DT_BOTTOM | DT_RIGHT, 17},
};
// The usage bar (id 4).
constexpr RECT kBarPlace{140, 16, 412, 30};
constexpr UINT kBarId = 4;
constexpr UINT kBarBackground = IDB_VOLUME_BAR, kBarLeft = IDB_VOLUME_BAR_LEFT,
              kBarMiddle = IDB_VOLUME_BAR_MIDDLE, kBarRight = IDB_VOLUME_BAR_RIGHT;
constexpr int kInitialPosition = 50;

}  // namespace


void CVolumeInfoCtrl::SetVolumeInfo(std::int64_t totalGB, const std::wstring& name,
                                    std::int64_t usedGB) {
  hasData_ = true;
  name_.SetText(name);
  sizes_.SetText(FillNumberFields(Tr(L"%dG Used/%dG Available"), {usedGB, totalGB}));
  int percent = UsagePercent(usedGB, totalGB);
  percent_.SetText(TrFormat(L"%d%%", percent));
  bar_.SetPos(percent);
  bar_.SetAccessibleName(name);
  Invalidate(false);
}

void CVolumeInfoCtrl::ClearVolumeInfo() {
  hasData_ = false;
  for (CTransStatic* text : Texts()) text->SetText(L"");
  Invalidate(false);
}

LRESULT CVolumeInfoCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      OnCreate();
      break;
    case WM_SIZE:
      PlaceChildren();
      break;
    default:
      break;
  }
  return CSkinnedWindow::WindowProc(message, wParam, lParam);
}

void CVolumeInfoCtrl::OnCreate() {
  UINT id = 1;
  for (CTransStatic* text : Texts()) {
    const TextPlace& place = kTextPlaces[id - 1];
    text->CreateEx(0, L"static", L"", kChildStyle, place.rect, GetSafeHwnd(), id++);
    text->SetFormat(place.format);
    text->SetFontHeight(place.fontHeight);
  }
  // The bar is a real progress control: a static would not keep its range and position.
  bar_.CreateEx(0, PROGRESS_CLASSW, L"", kChildStyle, kBarPlace, GetSafeHwnd(), kBarId);
  bar_.SendMessage(PBM_SETRANGE, 0, MAKELPARAM(0, 100));
  bar_.SetPos(kInitialPosition);
  bar_.LoadImages(kBarBackground, kBarLeft, kBarMiddle, kBarRight);
}

void CVolumeInfoCtrl::PlaceChildren() {
  // The places are at 96 DPI; the panel is sized for its window's DPI before this runs.
  const UINT dpi = WindowDpi(GetSafeHwnd());
  size_t index = 0;
  for (CTransStatic* text : Texts()) text->MoveWindow(ScaleToDpi(kTextPlaces[index++].rect, dpi));
  bar_.MoveWindow(ScaleToDpi(kBarPlace, dpi));
}

bool CVolumeInfoCtrl::Describe(AccessibleDescription& description) const {
  description.role = ROLE_SYSTEM_GROUPING;
  description.name = name_.GetWindowText();
  description.value = sizes_.GetWindowText();
  return true;
}
