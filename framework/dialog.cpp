#include "framework/dialog.h"

#include "framework/dpi.h"
#include "framework/keyboard_cues.h"

namespace {
// The keyboard cues a top-level dialog hides (UISF_HIDEFOCUS, UISF_HIDEACCEL), kept as a window
// property with 1 added, so that a dialog without one hides them all.
constexpr wchar_t kHiddenCuesProperty[] = L"Drovik.HiddenCues";
constexpr WORD kAllCues = UISF_HIDEFOCUS | UISF_HIDEACCEL;

WORD HiddenCues(HWND dialog) {
  const auto stored = reinterpret_cast<UINT_PTR>(GetPropW(dialog, kHiddenCuesProperty));
  return stored == 0 ? kAllCues : static_cast<WORD>(stored - 1);
}

// WM_CHANGEUISTATE of a top-level dialog: UIS_SET, UIS_CLEAR or UIS_INITIALIZE (from the last
// input) of `cues`; every control redraws its focus mark when they change.
void ChangeKeyboardCues(HWND dialog, WORD action, WORD cues) {
  cues &= kAllCues;
  if (action == UIS_INITIALIZE) action = LastInputWasKeyboard() ? UIS_CLEAR : UIS_SET;
  const WORD before = HiddenCues(dialog);
  WORD after = before;
  if (action == UIS_SET) after |= cues;
  if (action == UIS_CLEAR) after &= static_cast<WORD>(~cues);
  if (after == before) return;
  SetPropW(dialog, kHiddenCuesProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(after) + 1));
  RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}
}  // namespace

CDialog::~CDialog() {
  // A modeless dialog goes with its object; the unbinding in ~CWnd would otherwise leave it alive.
  if (GetSafeHwnd() && !modal_) ::DestroyWindow(UnsubclassWindow());
}

INT_PTR CDialog::DoModal() {
  modal_ = true;
  INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), parent_,
                                   DialogProc, reinterpret_cast<LPARAM>(this));
  modal_ = false;
  return result;
}

bool CDialog::Create() {
  modal_ = false;
  return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), parent_,
                            DialogProc, reinterpret_cast<LPARAM>(this)) != nullptr &&
         GetSafeHwnd() != nullptr;
}

bool CDialog::Create(UINT templateId, HWND parent) {
  templateId_ = templateId;
  parent_ = parent;
  return Create();
}

void CDialog::EndDialog(INT_PTR result) {
  if (!GetSafeHwnd()) return;
  if (modal_) {
    ::EndDialog(GetSafeHwnd(), result);
  } else {
    DestroyWindow();
  }
}

void CDialog::CenterWindow(HWND alternateOwner) const {
  HWND owner = alternateOwner ? alternateOwner : ::GetWindow(GetSafeHwnd(), GW_OWNER);
  if (!owner) owner = GetParent();
  RECT area{};
  if (owner && (GetStyle() & WS_CHILD) == 0 && ::IsWindowVisible(owner) && !IsIconic(owner)) {
    ::GetWindowRect(owner, &area);
  } else if (owner && (GetStyle() & WS_CHILD) != 0) {
    ::GetClientRect(owner, &area);
  } else {
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  }
  RECT own = GetWindowRect();
  int width = own.right - own.left;
  int height = own.bottom - own.top;
  int x = area.left + (area.right - area.left - width) / 2;
  int y = area.top + (area.bottom - area.top - height) / 2;
  SetWindowPos(GetSafeHwnd(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CDialog::OnCommand(WORD id, WORD, HWND) {
  switch (id) {
    case IDOK:
      OnOK();
      return true;
    case IDCANCEL:
      OnCancel();
      return true;
    default:
      return false;
  }
}

bool CDialog::OnNotify(const NMHDR&, LRESULT&) { return false; }

void CDialog::OnTimer(UINT_PTR) {}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (ReflectToChild(message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_COMMAND:
      if (OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam))) return 0;
      break;
    case WM_NOTIFY:
      if (OnNotify(*reinterpret_cast<const NMHDR*>(lParam), result)) return result;
      break;
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case DM_GETDEFID:
      // No default button: Enter presses the focused push button (which says so itself), and
      // elsewhere it is the dialog's OK (OnOK), never a button the focus merely passed.
      return 0;
    // A top-level dialog keeps the keyboard cues of all its controls, as the system does (Wine
    // leaves these messages unanswered): hidden until the keyboard is used in the window.
    case WM_QUERYUISTATE:
      if (GetStyle() & WS_CHILD) break;
      return HiddenCues(GetSafeHwnd());
    case WM_CHANGEUISTATE:
      if (GetStyle() & WS_CHILD) break;
      ChangeKeyboardCues(GetSafeHwnd(), LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_NCDESTROY:
      RemoveProp(kHiddenCuesProperty);
      ForgetWindowDpi(GetSafeHwnd());
      break;
    default:
      break;
  }
  return DefaultWithAccessible(message, wParam, lParam);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM, LPARAM lParam) {
  // Only WM_INITDIALOG is handled here: it binds the object, whose WindowProc sees every message
  // after it ahead of the dialog manager.
  if (message != WM_INITDIALOG) return FALSE;
  auto* self = reinterpret_cast<CDialog*>(lParam);
  if (!self->SubclassWindow(window)) return TRUE;
  // The controls read the DPI of their top-level window (WindowDpi): it is recorded before the
  // dialog lays itself out, and changes only with WM_DPICHANGED.
  if (!(GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD)) RememberWindowDpi(window, WindowDpi(window));
  const BOOL systemFocus = self->OnInitDialog();
  // A window opened with the mouse shows no focus marks until the keyboard is used in it; one
  // opened from the keyboard shows them at once.
  if (!(GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD)) {
    ::SendMessageW(window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_INITIALIZE, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
  }
  return systemFocus;
}

bool CDialog::PressButton(int id) {
  HWND button = GetDlgItem(id);
  // The button's own visibility: a dialog not yet shown still has its buttons.
  if (!button || !(GetWindowLongPtrW(button, GWL_STYLE) & WS_VISIBLE) || !::IsWindowEnabled(button)) return false;
  SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
  return true;
}
