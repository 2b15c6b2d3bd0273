#include "skin/gdip_dialog.h"

#include <algorithm>

#include "skin/skin_draw.h"

namespace {
// SC_MOVE combined with the caption hit code: the system's drag loop for moving a window.
constexpr WPARAM kMoveByDrag = SC_MOVE | HTCAPTION;

// Every descendant lays itself out again once its top-level window has (EnumChildWindows walks
// the whole tree).
BOOL CALLBACK TellDpiChanged(HWND child, LPARAM) {
  ::SendMessageW(child, kDpiChangedAfterParentMessage, 0, 0);
  return TRUE;
}
}  // namespace

CGdipDialog::~CGdipDialog() {
  // The buffer is simply released; its target context was given back long ago.
  backgroundBuffer_.reset();
  background_.reset();
}

bool CGdipDialog::SetBackgroundImage(UINT id) {
  backgroundId_ = id;
  background_ = std::make_unique<CGdiPlusBitmapResource>();
  background_->Load(id);
  backgroundBuffer_.reset();

  RECT client = GetClientRect();
  WindowDC windowDc(GetSafeHwnd());
  backgroundBuffer_ = std::make_unique<CMyMemDC>(windowDc.GetSafeHdc(), &client);
  backgroundBuffer_->DetachTarget();
  HDC buffer = backgroundBuffer_->GetSafeHdc();
  CDC(buffer).FillSolidRect(client, RGB(0, 0, 0));
  const UINT dpi = WindowDpi(GetSafeHwnd());
  DrawSkinImage(buffer, *background_, 0, 0, std::min(ScaleToDpi(background_->Width(), dpi), RectWidth(client)),
                std::min(ScaleToDpi(background_->Height(), dpi), RectHeight(client)));
  return true;
}

void CGdipDialog::OnDpiChanged(UINT dpi, const RECT& suggested) {
  RememberWindowDpi(GetSafeHwnd(), dpi);
  SetWindowPos(GetSafeHwnd(), nullptr, suggested.left, suggested.top, RectWidth(suggested), RectHeight(suggested),
               SWP_NOZORDER | SWP_NOACTIVATE);
  LayOut();
  if (backgroundId_ != 0) SetBackgroundImage(backgroundId_);
  EnumChildWindows(GetSafeHwnd(), &TellDpiChanged, 0);
  RedrawWindow(GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

LRESULT CGdipDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kDpiChangedMessage:
      if (!(GetStyle() & WS_CHILD) && LOWORD(wParam) > 0 && lParam) {
        OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
      }
      break;
    case WM_LBUTTONDOWN:
      // Only presses on the dialog's own surface arrive here; children keep theirs.
      PostMessage(WM_SYSCOMMAND, kMoveByDrag, 0);
      break;
    case WM_NCHITTEST: {
      LRESULT hit = Default(message, wParam, lParam);
      return (hit == HTMINBUTTON || hit == HTMAXBUTTON || hit == HTCLOSE) ? HTCAPTION : hit;
    }
    default:
      break;
  }
  return CSkinnedParent<CDialog>::WindowProc(message, wParam, lParam);
}
