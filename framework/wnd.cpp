#include "framework/wnd.h"

#include "framework/dpi.h"
#include "framework/keyboard_cues.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>


namespace {
// The one subclass id of the framework; the object pointer travels as the subclass reference data.
constexpr UINT_PTR kSubclassId = 0x44524F56;  // "DROV"
// The window's object, for finding it from a handle.
constexpr wchar_t kObjectProperty[] = L"Drovik.CWnd";

// The window of the control that sent a notification to its parent, or null when the message is not
// a control notification.
HWND NotifyingChild(HWND parent, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      return lParam != 0 ? reinterpret_cast<HWND>(lParam) : nullptr;
    case WM_NOTIFY:
      return reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
    case WM_DRAWITEM:
      return wParam != 0 ? reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem : nullptr;
    case WM_MEASUREITEM:
      return wParam != 0 ? ::GetDlgItem(parent, static_cast<int>(wParam)) : nullptr;
    case WM_DELETEITEM:
      return reinterpret_cast<const DELETEITEMSTRUCT*>(lParam)->hwndItem;
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORSCROLLBAR:
      return reinterpret_cast<HWND>(lParam);
    default:
      return nullptr;
  }
}
// Whether the user's last deliberate input was a key the dialog manager handled rather than a click.
bool lastInputWasKeyboard = false;

// The dialog manager asks the focused control for its dialog code with each key it is about to
// handle. Tab, the arrows and Alt mean the user moves through the window with the keyboard: from
// then on the window shows where the focus is (WM_CHANGEUISTATE travels to the top-level window,
// which tells all its children with WM_UPDATEUISTATE).
void ShowKeyboardCuesOnNavigation(HWND control, const MSG* key) {
  if (!key) return;
  if (key->message == WM_KEYDOWN || key->message == WM_SYSKEYDOWN) lastInputWasKeyboard = true;
  const bool navigation = (key->message == WM_KEYDOWN &&
                           (key->wParam == VK_TAB || (key->wParam >= VK_LEFT && key->wParam <= VK_DOWN))) ||
                          key->message == WM_SYSKEYDOWN;
  if (!navigation) return;
  HWND root = GetAncestor(control, GA_ROOT);
  if (root && (SendMessageW(root, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)) {
    SendMessageW(root, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
  }
}
}  // namespace

CWnd::~CWnd() {
  if (!hwnd_) return;
  if (ownsWindow_) {
    HWND window = UnsubclassWindow();
    ::DestroyWindow(window);
  } else {
    UnsubclassWindow();
  }
}

CWnd* CWnd::FromHandle(HWND window) {
  return window ? static_cast<CWnd*>(::GetPropW(window, kObjectProperty)) : nullptr;
}

bool CWnd::SubclassWindow(HWND window) {
  if (hwnd_ || !IsWindow(window) || FromHandle(window)) return false;
  if (!::SetPropW(window, kObjectProperty, this)) return false;
  if (!SetWindowSubclass(window, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
    ::RemovePropW(window, kObjectProperty);
    return false;
  }
  hwnd_ = window;
  OnAttached();
  return true;
}

bool CWnd::SubclassDlgItem(int id, HWND parent) { return SubclassWindow(::GetDlgItem(parent, id)); }

HWND CWnd::UnsubclassWindow() {
  HWND window = hwnd_;
  if (window) {
    RemoveWindowSubclass(window, SubclassProc, kSubclassId);
    ::RemovePropW(window, kObjectProperty);
  }
  hwnd_ = nullptr;
  ownsWindow_ = false;
  return window;
}

bool CWnd::CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style,
                    const RECT& rect, HWND parent, UINT id) {
  if (hwnd_) return false;
  HMENU menuOrId = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)) : nullptr;
  HWND window = CreateWindowExW(exStyle, className, title, style, rect.left, rect.top,
                                rect.right - rect.left, rect.bottom - rect.top, parent, menuOrId,
                                GetModuleHandleW(nullptr), nullptr);
  if (!window) return false;
  if (!SubclassWindow(window)) {
    ::DestroyWindow(window);
    return false;
  }
  ownsWindow_ = true;
  return true;
}

void CWnd::DestroyWindow() {
  if (hwnd_) ::DestroyWindow(hwnd_);  // WM_NCDESTROY unbinds the object
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::SendMessageW(hwnd_, message, wParam, lParam);
}

bool CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::PostMessageW(hwnd_, message, wParam, lParam) != FALSE;
}

std::wstring CWnd::GetWindowText() const {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
  text.resize(static_cast<size_t>(::GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()))));
  return text;
}

RECT CWnd::GetClientRect() const {
  RECT rect{};
  ::GetClientRect(hwnd_, &rect);
  return rect;
}

RECT CWnd::GetWindowRect() const {
  RECT rect{};
  ::GetWindowRect(hwnd_, &rect);
  return rect;
}

void CWnd::MoveWindow(const RECT& rect, bool repaint) const {
  ::MoveWindow(hwnd_, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, repaint);
}

void CWnd::ModifyStyle(DWORD remove, DWORD add) const {
  SetWindowLongPtrW(hwnd_, GWL_STYLE, static_cast<LONG_PTR>((GetStyle() & ~remove) | add));
}

void CWnd::SetFont(HFONT font, bool redraw) const {
  SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
}

HFONT CWnd::GetFont() const { return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)); }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_GETDLGCODE) ShowKeyboardCuesOnNavigation(hwnd_, reinterpret_cast<const MSG*>(lParam));
  if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN) lastInputWasKeyboard = false;
  LRESULT result = 0;
  if (ReflectToChild(message, wParam, lParam, result)) return result;
  return DefaultWithAccessible(message, wParam, lParam);
}

bool CWnd::Describe(AccessibleDescription&) const { return false; }

LRESULT CWnd::DefaultWithAccessible(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_GETOBJECT) {
    if (LRESULT answer = AnswerAccessibleObjectRequest(hwnd_, wParam, lParam)) return answer;
  }
  return Default(message, wParam, lParam);
}

bool CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT CWnd::Default(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefSubclassProc(hwnd_, message, wParam, lParam);
}

bool CWnd::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  HWND child = NotifyingChild(hwnd_, message, wParam, lParam);
  if (!child || child == hwnd_) return false;
  CWnd* object = FromHandle(child);
  return object && object->OnChildNotify(message, wParam, lParam, result);
}

LRESULT CALLBACK CWnd::SubclassProc(HWND, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR object) {
  auto* self = reinterpret_cast<CWnd*>(object);
  if (message == WM_NCDESTROY) {
    LRESULT result = self->WindowProc(message, wParam, lParam);
    self->UnsubclassWindow();
    self->PostNcDestroy();
    return result;
  }
  return self->WindowProc(message, wParam, lParam);
}

void OrderTabStops(HWND parent, const ControlPlacement* placements, size_t count) {
  std::vector<const ControlPlacement*> ordered;
  for (size_t index = 0; index < count; ++index) {
    if (placements[index].tab > 0) ordered.push_back(&placements[index]);
  }
  if (ordered.empty()) return;
  std::stable_sort(ordered.begin(), ordered.end(),
                   [](const ControlPlacement* a, const ControlPlacement* b) { return a->tab < b->tab; });
  HWND previous = HWND_TOP;
  for (const ControlPlacement* place : ordered) {
    HWND control = ::GetDlgItem(parent, place->id);
    if (!control) continue;
    ::SetWindowPos(control, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
    previous = control;
  }
  for (size_t index = 0; index < count; ++index) {
    HWND control = ::GetDlgItem(parent, placements[index].id);
    if (!control) continue;
    const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
    SetWindowLongPtrW(control, GWL_STYLE, placements[index].tab > 0 ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
  }
}

void LayOutControls(HWND parent, std::span<const ControlPlacement> placements) {
  const UINT dpi = WindowDpi(parent);
  for (const ControlPlacement& place : placements) {
    if (HWND control = ::GetDlgItem(parent, place.id)) {
      const RECT rect = ScaleToDpi(place.rect, dpi);
      ::MoveWindow(control, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, FALSE);
    }
  }
  OrderTabStops(parent, placements.data(), placements.size());
  NameControls(parent, placements.data(), placements.size());
}

bool LastInputWasKeyboard() { return lastInputWasKeyboard; }
