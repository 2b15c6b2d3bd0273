#include "skin/gdip_button.h"

#include "skin/skin_draw.h"

namespace {
constexpr UINT_PTR kRepeatTimer = 1;
constexpr UINT kRepeatPeriod = 100;  // ms
constexpr int kRadioMark = 18;       // radio marks are drawn 18 x 18
constexpr int kCheckBox = 20;        // the box of a check box, 20 x 20
constexpr int kCheckMark = 22;       // the tick over it, 22 x 22
constexpr int kTextHeight = 17;
constexpr int kTextGap = 3;          // between a mark and its text
constexpr float kDisabledAlpha = 0.5f;
}  // namespace

CGdipButton::~CGdipButton() {
  StopRepeat();
  FreeImages();
}

bool CGdipButton::LoadImages(UINT normalId, UINT hoverId, UINT pressedId, const wchar_t* type) {
  FreeImages();
  bool normal = normalImage_.Load(normalId, type);
  bool hover = hoverImage_.Load(hoverId, type);
  bool pressed = pressedImage_.Load(pressedId, type);
  imagesLoaded_ = normal && hover && pressed;
  if (GetSafeHwnd()) Invalidate(false);
  return imagesLoaded_;
}

void CGdipButton::FreeImages() {
  normalImage_.Empty();
  hoverImage_.Empty();
  pressedImage_.Empty();
  imagesLoaded_ = false;
  ResetDisabledCache();
}

void CGdipButton::ShowButton(bool show) {
  if (!show && autoRepeat_ && Kind() == ButtonKind::kPush) StopRepeat();
  CSkinButton::ShowButton(show);
}

void CGdipButton::OnAttached() {
  switch (GetStyle() & BS_TYPEMASK) {
    case BS_AUTOCHECKBOX:
      SetKind(ButtonKind::kCheckBox);
      break;
    case BS_AUTORADIOBUTTON:
      SetKind(ButtonKind::kRadio);
      break;
    default:
      SetKind(ButtonKind::kPush);
      break;
  }
  CSkinButton::OnAttached();
}

LRESULT CGdipButton::ButtonProc(UINT message, WPARAM wParam, LPARAM lParam) {
  bool repeatingPush = autoRepeat_ && Kind() == ButtonKind::kPush;
  switch (message) {
    case WM_LBUTTONDOWN:
      if (repeatingPush) {
        SetCapture(GetSafeHwnd());
        SetTimer(kRepeatTimer, kRepeatPeriod);
        repeating_ = true;
      }
      break;
    case WM_TIMER:
      if (wParam == kRepeatTimer) {
        PostClick();
        return 0;
      }
      break;
    case WM_LBUTTONUP:
      if (repeatingPush && repeating_) {
        // Releasing the capture first keeps the platform button from adding a click of its own.
        StopRepeat();
        PostClick();
      }
      break;
    case WM_DESTROY:
      StopRepeat();
      break;
    default:
      break;
  }
  return CSkinButton::ButtonProc(message, wParam, lParam);
}

void CGdipButton::StopRepeat() {
  if (!repeating_) return;
  repeating_ = false;
  if (GetSafeHwnd()) {
    if (GetCapture() == GetSafeHwnd()) ReleaseCapture();
    KillTimer(kRepeatTimer);
  }
}

void CGdipButton::PostClick() const {
  ::PostMessageW(GetParent(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED),
               reinterpret_cast<LPARAM>(GetSafeHwnd()));
}

void CGdipButton::DrawFace(HDC dc, const RECT& client, UINT itemState) {
  bool disabled = (itemState & ODS_DISABLED) != 0;
  int width = RectWidth(client);
  int height = RectHeight(client);
  const UINT dpi = WindowDpi(GetSafeHwnd());
  const int radioMark = ScaleToDpi(kRadioMark, dpi);
  const int checkBox = ScaleToDpi(kCheckBox, dpi);
  const int checkMark = ScaleToDpi(kCheckMark, dpi);
  switch (Kind()) {
    case ButtonKind::kRadio:
      if (disabled) {
        DrawDisabledCached(dc, client, [&] {
          DrawSkinImage(dc, normalImage_, 0, 0, radioMark, radioMark, kDisabledAlpha);
        });
      } else {
        DrawSkinImage(dc, IsChecked() ? pressedImage_ : normalImage_, 0, 0, radioMark, radioMark);
      }
      break;
    case ButtonKind::kCheckBox:
      if (disabled) {
        DrawDisabledCached(dc, client, [&] {
          DrawSkinImage(dc, normalImage_, 0, 0, checkBox, checkBox, kDisabledAlpha);
        });
      } else {
        DrawSkinImage(dc, normalImage_, 0, 0, checkBox, checkBox);
        if (IsChecked()) DrawSkinImage(dc, pressedImage_, 0, 0, checkMark, checkMark);
      }
      break;
    case ButtonKind::kPush:
      if (disabled) {
        DrawDisabledCached(dc, client, [&] {
          DrawSkinImage(dc, normalImage_, 0, 0, width, height, kDisabledAlpha);
        });
      } else if ((itemState & ODS_SELECTED) || IsChecked()) {
        DrawSkinImage(dc, pressedImage_, 0, 0, width, height);
      } else {
        DrawSkinImage(dc, IsHovered() ? hoverImage_ : normalImage_, 0, 0, width, height);
      }
      break;
  }
  if (DrawsText()) DrawButtonText(dc, itemState);
}

void CGdipButton::DrawButtonText(HDC dc, UINT itemState) {
  COLORREF colour = (itemState & ODS_DISABLED) ? kSkinDisabledGrey : kSkinWhite;
  RECT rect = GetClientRect();
  UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  const UINT dpi = WindowDpi(GetSafeHwnd());
  if (Kind() != ButtonKind::kPush) {
    if (normalImage_.IsLoaded()) rect.left = ScaleToDpi(normalImage_.Width() + kTextGap, dpi);
    format = DT_SINGLELINE | DT_WORDBREAK | DT_EDITCONTROL;
  }
  DrawSkinText(dc, dpi, GetWindowText(), rect, format, kTextHeight, FW_THIN, colour);
}
