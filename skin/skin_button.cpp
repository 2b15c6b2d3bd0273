#include "skin/skin_button.h"

#include <oleacc.h>

#include "base/messages.h"
#include "skin/my_mem_dc.h"
#include "skin/skin_draw.h"

namespace {
constexpr DWORD kHoverTime = 1;            // ms: the hover look follows the pointer at once
constexpr int kToolTipDelay = 1000;        // ms, TTDT_AUTOMATIC
constexpr int kMaxStringLength = 1024;     // tooltip texts from the string table

bool IsMouseMessage(UINT message) { return message >= WM_MOUSEFIRST && message <= WM_MOUSELAST; }
}  // namespace

bool DisabledCache::CopyTo(HDC dc, int width, int height) const {
  if (!dc_ || size_.cx != width || size_.cy != height) return false;
  return ::BitBlt(dc, 0, 0, width, height, dc_->GetSafeHdc(), 0, 0, SRCCOPY) != FALSE;
}

void DisabledCache::Store(HDC dc, int width, int height) {
  Reset();
  dc_ = std::make_unique<MemoryDC>(dc);
  bitmap_.Reset(CreateCompatibleBitmap(dc, width, height));
  dc_->Select(bitmap_.Get());
  size_ = {width, height};
  // The source may be a buffer with a moved origin; the button's client area starts at (0, 0).
  ::BitBlt(dc_->GetSafeHdc(), 0, 0, width, height, dc, 0, 0, SRCCOPY);
}

void DisabledCache::Reset() {
  dc_.reset();
  bitmap_.Reset();
  size_ = {};
}

CSkinButton::~CSkinButton() { DeleteToolTip(); }

void CSkinButton::SetToolTipText(UINT stringId, bool activate) {
  wchar_t text[kMaxStringLength] = {};
  LoadStringW(GetModuleHandleW(nullptr), stringId, text, kMaxStringLength);
  SetToolTipText(std::wstring(text), activate);
}

void CSkinButton::SetToolTipText(const std::wstring& text, bool activate) {
  if (text.empty() || !GetSafeHwnd()) return;
  tipText_ = text;
  // The tooltip window itself is made when the pointer first rests on the button (OnHover): a
  // window with twenty buttons took markedly longer to start making twenty tooltips up front.
  if (toolTip_) FillToolTip(activate);
}

void CSkinButton::FillToolTip(bool activate) {
  if (toolTip_->GetToolCount() == 0) toolTip_->AddTool(GetSafeHwnd(), tipText_, GetClientRect());
  toolTip_->UpdateTipText(GetSafeHwnd(), tipText_);
  toolTip_->SetDelayTime(TTDT_AUTOMATIC, kToolTipDelay);
  toolTip_->Activate(activate);
}

void CSkinButton::DeleteToolTip() { toolTip_.reset(); }

void CSkinButton::CreateToolTip() {
  toolTip_ = std::make_unique<CSkinToolTip>();
  if (!toolTip_->Create(GetSafeHwnd())) {
    toolTip_.reset();
    return;
  }
  toolTip_->Activate(true);
}

void CSkinButton::SetDrawText(bool draw) {
  drawText_ = draw;
  if (GetSafeHwnd()) Invalidate();
}

bool CSkinButton::Describe(AccessibleDescription& description) const {
  switch (kind_) {
    case ButtonKind::kPush: description.role = ROLE_SYSTEM_PUSHBUTTON; break;
    case ButtonKind::kCheckBox: description.role = ROLE_SYSTEM_CHECKBUTTON; break;
    case ButtonKind::kRadio: description.role = ROLE_SYSTEM_RADIOBUTTON; break;
  }
  description.name = GetWindowText();
  if (description.name.empty()) description.name = tipText_;
  if (description.name.empty()) description.name = AccessibleName();
  if (checked_) description.state = STATE_SYSTEM_CHECKED;
  return true;
}

void CSkinButton::ShowButton(bool show) { ShowWindow(show ? SW_SHOW : SW_HIDE); }

void CSkinButton::OnAttached() {
  SetWindowLongPtrW(GetSafeHwnd(), GWL_STYLE,
                    static_cast<LONG_PTR>((GetStyle() & ~static_cast<DWORD>(BS_TYPEMASK)) | BS_OWNERDRAW));
  CSkinMarked<CButton>::OnAttached();
}

LRESULT CSkinButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_LBUTTONDBLCLK) message = WM_LBUTTONDOWN;
  if (toolTip_ && toolTip_->GetSafeHwnd() && IsMouseMessage(message)) {
    MSG relayed{GetSafeHwnd(), message, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
    DWORD position = GetMessagePos();
    relayed.pt = {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    toolTip_->RelayEvent(relayed);
  }
  return ButtonProc(message, wParam, lParam);
}

LRESULT CSkinButton::ButtonProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE:
      if (!tracking_) TrackMouse();
      break;
    case WM_MOUSEHOVER:
      OnHover();
      return 0;
    case WM_MOUSELEAVE:
      hover_ = false;
      tracking_ = false;
      Invalidate(false);
      return 0;
    case WM_LBUTTONUP: {
      POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      ClientToScreen(GetSafeHwnd(), &point);
      if (kind_ != ButtonKind::kPush && WindowFromPoint(point) == GetSafeHwnd()) PressCheck();
      break;
    }
    case WM_KEYDOWN:
      if (wParam == VK_SPACE) PressCheck();
      break;
    case WM_GETDLGCODE:
      // A focused push button is the one Enter presses, as the system's push buttons are; the
      // dialog manager asks this before every key it handles.
      CSkinMarked<CButton>::WindowProc(message, wParam, lParam);
      if (kind_ != ButtonKind::kPush) return DLGC_BUTTON;
      return DLGC_BUTTON | ((default_ || GetFocus() == GetSafeHwnd()) ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    case BM_SETSTYLE:
      // The dialog manager makes the focused push button the default one by its style; the button
      // keeps its owner-drawn style and only remembers that it is the default.
      default_ = (wParam & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
      return 0;
    case WM_UPDATEUISTATE: {
      const LRESULT result = CSkinMarked<CButton>::WindowProc(message, wParam, lParam);
      Invalidate(false);
      return result;
    }
    case WM_GROUP_UNCHECK:
      if (checked_) {
        checked_ = false;
        Invalidate(false);
      }
      return 0;
    case BM_SETCHECK:
      SetCheckState(wParam != 0);
      return 0;
    case BM_GETCHECK:
      return checked_ ? BST_CHECKED : BST_UNCHECKED;
    case WM_ERASEBKGND:
      return TRUE;
    default:
      break;
  }
  return CSkinMarked<CButton>::WindowProc(message, wParam, lParam);
}

void CSkinButton::DrawItem(const DRAWITEMSTRUCT& item) {
  RECT client = GetClientRect();
  CMyMemDC buffer(item.hDC, &client);
  PaintParentBackground(GetSafeHwnd(), buffer.GetSafeHdc());
  DrawFace(buffer.GetSafeHdc(), client, item.itemState);
  if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT) && ShowsFocusCues(GetSafeHwnd())) {
    DrawSkinFocusMark(buffer.GetSafeHdc(), client);
  }
}

void CSkinButton::TrackMouse() {
  TRACKMOUSEEVENT track{};
  track.cbSize = sizeof(track);
  track.dwFlags = TME_HOVER | TME_LEAVE;
  track.hwndTrack = GetSafeHwnd();
  track.dwHoverTime = kHoverTime;
  _TrackMouseEvent(&track);
  tracking_ = true;
}

void CSkinButton::OnHover() {
  hover_ = true;
  Invalidate(false);
  // A fresh tooltip each time, so it shows again over a button it has timed out on.
  DeleteToolTip();
  if (tipText_.empty()) return;
  CreateToolTip();
  if (!toolTip_) return;
  FillToolTip(true);
  toolTip_->Update();
}

void CSkinButton::SetCheckState(bool checked) {
  checked_ = kind_ != ButtonKind::kPush && checked;
  if (kind_ == ButtonKind::kRadio && checked_) UncheckGroup();
  Invalidate(false);
}

void CSkinButton::UncheckGroup() const {
  HWND parent = GetParent();
  HWND self = GetSafeHwnd();
  // The walk ends back at this button; a button the walk skips (hidden or disabled) would never
  // come round again, so the first button met also ends it. Sent, not posted: a dialog that reads
  // the group right after a click (an OK already queued behind it) must see one button checked.
  HWND first = GetNextDlgGroupItem(parent, self, FALSE);
  for (HWND next = first; next && next != self;) {
    ::SendMessageW(next, WM_GROUP_UNCHECK, 0, 0);
    next = GetNextDlgGroupItem(parent, next, FALSE);
    if (next == first) break;
  }
}

void CSkinButton::PressCheck() {
  if (kind_ == ButtonKind::kCheckBox) {
    SendMessage(BM_SETCHECK, checked_ ? BST_UNCHECKED : BST_CHECKED);
  } else if (kind_ == ButtonKind::kRadio) {
    SendMessage(BM_SETCHECK, BST_CHECKED);
  }
}
