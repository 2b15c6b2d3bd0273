#include "skin/controls/ip_addr_edit.h"

#include <string>

#include "base/win/ansi_text.h"
#include "i18n/win/win_language.h"
#include "skin/geometry/address_rules.h"
#include "skin/controls/gdip_ip_addr_ctl.h"
#include "skin/controls/input_alerts.h"
#include "skin/skin_draw.h"

namespace {
constexpr DWORD kFieldStyle = WS_CHILD | WS_VISIBLE | ES_CENTER | ES_MULTILINE;
constexpr int kDigits = 3;
constexpr int kFontHeight = 18;
constexpr unsigned kOctetMax = 255;

bool IsDialog(HWND window) {
  wchar_t name[16] = {};
  return window && GetClassNameW(window, name, 16) > 0 && std::wstring(name) == L"#32770";
}
}  // namespace

bool CIPAddrEdit::Create(CGdipIpAddrCtl& owner, int index) {
  owner_ = &owner;
  index_ = index;
  if (!CreateEx(0, L"EDIT", L"", kFieldStyle, RECT{}, owner.GetSafeHwnd(), static_cast<UINT>(index + 1))) {
    return false;
  }
  LimitText(kDigits);
  UseFontForDpi();
  return true;
}

void CIPAddrEdit::UseFontForDpi() {
  FontHandle previous = std::move(font_);  // kept until the field has let go of it
  font_ = CreateSkinFont(WindowDpi(GetSafeHwnd()), kFontHeight);
  SetFont(font_.Get(), true);
}

LRESULT CIPAddrEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CHAR:
      if (OnChar(static_cast<wchar_t>(wParam))) return 0;
      break;
    case WM_KEYDOWN:
      if (OnKeyDown(wParam)) return 0;
      break;
    case WM_PASTE:
      PasteAsTyping();
      return 0;
    default:
      break;
  }
  return CEdit::WindowProc(message, wParam, lParam);
}

bool CIPAddrEdit::OnChar(wchar_t character) {
  bool last = index_ == CGdipIpAddrCtl::kFieldCount - 1;
  switch (character) {
    case L'.':
    case L' ':
      // An empty field stays: after three digits the focus has moved on by itself, and the dot
      // the user types next must not skip a field.
      if (!last && GetWindowTextLengthW(GetSafeHwnd()) > 0) {
        owner_->FocusField(index_ + 1, CGdipIpAddrCtl::Caret::kSelectAll);
      }
      return true;
    case L'\t':
      owner_->LeaveByTab(GetKeyState(VK_SHIFT) < 0);
      return true;
    case L'\r':
      owner_->PressDefaultButton();
      return true;
    case L'\n':    // Control+Enter would break the line of this one-line field
    case VK_ESCAPE:  // the multi-line edit would close its parent, the control
      return true;
    default:
      break;
  }
  if (character >= L'0' && character <= L'9') {
    Default(WM_CHAR, character, 0);
    AfterDigit();
    return true;
  }
  if (character >= L' ') {
    BeepRefusedKey();
    return true;
  }
  return false;  // Backspace and the other control characters edit as usual
}

void CIPAddrEdit::AfterDigit() {
  std::wstring text = GetWindowText();
  if (static_cast<int>(text.size()) < kDigits) return;
  unsigned value = ReadOctetField(ToU16(text)).value;
  if (owner_->ChecksRangeWhileTyping() && value > kOctetMax) {
    ShowInputError(GetSafeHwnd(), TrFormat(L"%d is not a valid entry.  Please specify a value between 0 and 255 "
                                           L"for this field.",
                                           static_cast<int>(value)));
    SetWindowText(L"");
    owner_->FocusField(index_, CGdipIpAddrCtl::Caret::kSelectAll);
    return;
  }
  if (index_ < CGdipIpAddrCtl::kFieldCount - 1) owner_->FocusField(index_ + 1, CGdipIpAddrCtl::Caret::kSelectAll);
}

bool CIPAddrEdit::OnKeyDown(WPARAM key) {
  DWORD start = 0;
  DWORD end = 0;
  SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  switch (key) {
    case VK_LEFT:
      if (start != 0 || end != 0 || index_ == 0) return false;
      owner_->FocusField(index_ - 1, CGdipIpAddrCtl::Caret::kAtEnd);
      return true;
    case VK_RIGHT: {
      DWORD length = static_cast<DWORD>(GetWindowTextLengthW(GetSafeHwnd()));
      if (start != length || end != length || index_ == CGdipIpAddrCtl::kFieldCount - 1) return false;
      owner_->FocusField(index_ + 1, CGdipIpAddrCtl::Caret::kAtStart);
      return true;
    }
    case VK_ESCAPE:
      CancelDialog();
      return true;
    case VK_RETURN:
    case VK_TAB:
      // Their characters act (OnChar); the multi-line edit's own handling would address the
      // control as if it were a dialog.
      return true;
    default:
      return false;
  }
}

void CIPAddrEdit::PasteAsTyping() {
  if (!OpenClipboard(GetSafeHwnd())) return;
  std::wstring text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* characters = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = characters;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  for (wchar_t character : text) {
    if (character < L' ') continue;  // line ends and tabs of the copied text
    HWND target = GetFocus();
    if (!owner_->IsField(target)) target = GetSafeHwnd();
    ::SendMessageW(target, WM_CHAR, character, 0);
  }
}

void CIPAddrEdit::CancelDialog() const {
  HWND control = GetParent();
  HWND dialog = ::GetParent(control);
  if (!IsDialog(control) && IsDialog(dialog)) {
    ::SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  }
}
