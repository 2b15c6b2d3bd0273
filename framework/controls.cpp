#include "framework/controls.h"

#include <oleacc.h>

#include <vector>

#include "i18n/win/win_language.h"

namespace {
constexpr UINT_PTR kToolId = 1;
constexpr size_t kMaxTipText = 1024;

TTTOOLINFOW ToolInfo(HWND window, const std::wstring& text) {
  TTTOOLINFOW info{};
  info.cbSize = sizeof(info);
  // The owner relays its mouse messages itself (TTM_RELAYEVENT), so the tooltip does not subclass.
  info.uFlags = 0;
  info.hwnd = window;
  info.uId = kToolId;
  info.lpszText = const_cast<wchar_t*>(text.c_str());
  return info;
}
}  // namespace

bool CButton::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
  if (message != WM_DRAWITEM) return false;
  DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
  result = TRUE;
  return true;
}

int CComboBox::AddString(const std::wstring& text) const {
  return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

int CComboBox::InsertString(int index, const std::wstring& text) const {
  return static_cast<int>(
      SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str())));
}

std::wstring CComboBox::GetLBText(int index) const {
  LRESULT length = SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
  if (length == CB_ERR) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return text;
}

int CComboBox::SelectString(const std::wstring& text) const {
  return static_cast<int>(SendMessage(CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                      reinterpret_cast<LPARAM>(text.c_str())));
}

RECT CHeaderCtrl::GetItemRect(int index) const {
  RECT rect{};
  SendMessage(HDM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
  return rect;
}

int CListCtrl::InsertColumn(int index, const std::wstring& heading, int format, int width) const {
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH | LVCF_SUBITEM;
  column.fmt = format;
  column.cx = width;
  column.iSubItem = index;
  column.pszText = const_cast<wchar_t*>(heading.c_str());
  return static_cast<int>(SendMessage(LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
                                      reinterpret_cast<LPARAM>(&column)));
}

int CListCtrl::InsertItem(int index, const std::wstring& text) const {
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = index;
  item.pszText = const_cast<wchar_t*>(text.c_str());
  return static_cast<int>(SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

void CListCtrl::SetItemText(int item, int column, const std::wstring& text) const {
  LVITEMW entry{};
  entry.iSubItem = column;
  entry.pszText = const_cast<wchar_t*>(text.c_str());
  SendMessage(LVM_SETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&entry));
}

std::wstring CListCtrl::GetItemText(int item, int column) const {
  // The list copies at most the buffer's size; grow until the text fits.
  for (size_t size = 256;; size *= 2) {
    std::vector<wchar_t> buffer(size, L'\0');
    LVITEMW entry{};
    entry.iSubItem = column;
    entry.pszText = buffer.data();
    entry.cchTextMax = static_cast<int>(size);
    auto length = static_cast<size_t>(
        SendMessage(LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&entry)));
    if (length + 1 < size) return std::wstring(buffer.data(), length);
  }
}

void CListCtrl::SetItemState(int item, UINT state, UINT mask) const {
  LVITEMW entry{};
  entry.state = state;
  entry.stateMask = mask;
  SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&entry));
}

RECT CListCtrl::GetItemRect(int item, int code) const {
  RECT rect{};
  rect.left = code;
  SendMessage(LVM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&rect));
  return rect;
}

void CSliderCtrl::SetRange(int low, int high) const {
  SendMessage(TBM_SETRANGEMIN, FALSE, low);
  SendMessage(TBM_SETRANGEMAX, TRUE, high);
}

RECT CSliderCtrl::GetChannelRect() const {
  RECT rect{};
  SendMessage(TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&rect));
  return rect;
}

PBRANGE CProgressCtrl::GetRange() const {
  PBRANGE range{};
  SendMessage(PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
  return range;
}

bool CToolTipCtrl::Create(HWND owner, DWORD style) {
  if (!CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | style,
                RECT{static_cast<LONG>(CW_USEDEFAULT), static_cast<LONG>(CW_USEDEFAULT), 0, 0}, owner,
                0)) {
    return false;
  }
  SetWindowPos(GetSafeHwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return true;
}

bool CToolTipCtrl::AddTool(HWND window, const std::wstring& text, const RECT& rect) const {
  TTTOOLINFOW info = ToolInfo(window, text);
  info.rect = rect;
  return SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}

void CToolTipCtrl::UpdateTipText(HWND window, const std::wstring& text) const {
  TTTOOLINFOW info = ToolInfo(window, text);
  SendMessage(TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

std::wstring CToolTipCtrl::GetFirstToolText() const {
  TTTOOLINFOW info{};
  info.cbSize = sizeof(info);
  if (!SendMessage(TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&info))) return {};
  std::vector<wchar_t> text(kMaxTipText, L'\0');
  info.lpszText = text.data();
  SendMessage(TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&info));
  return std::wstring(text.data());
}

bool CEdit::Describe(AccessibleDescription& description) const {
  description.role = ROLE_SYSTEM_TEXT;
  description.name = AccessibleName();
  if (GetStyle() & ES_PASSWORD) {
    description.state = STATE_SYSTEM_PROTECTED;
  } else {
    description.value = GetWindowText();
  }
  return true;
}

bool CComboBox::Describe(AccessibleDescription& description) const {
  description.role = ROLE_SYSTEM_COMBOBOX;
  description.name = AccessibleName();
  description.itemRole = ROLE_SYSTEM_LISTITEM;
  const int chosen = GetCurSel();
  for (int index = 0; index < GetCount(); ++index) {
    description.items.push_back({GetLBText(index), index == chosen});
  }
  if (chosen >= 0) description.value = GetLBText(chosen);
  return true;
}

namespace {
// An edit the window's code does not hold: it carries its name for screen readers and goes with
// its window.
class CNamedEdit final : public CEdit {
 protected:
  void PostNcDestroy() override { delete this; }
};

CWnd* ObjectToName(HWND control) {
  if (CWnd* object = CWnd::FromHandle(control)) return object;
  wchar_t className[16] = {};
  if (!control || !GetClassNameW(control, className, static_cast<int>(std::size(className))) ||
      _wcsicmp(className, L"Edit") != 0) {
    return nullptr;
  }
  auto* edit = new CNamedEdit;
  if (edit->SubclassWindow(control)) return edit;
  delete edit;
  return nullptr;
}
}  // namespace

void NameControls(HWND parent, const ControlPlacement* placements, size_t count) {
  for (size_t index = 0; index < count; ++index) {
    if (!placements[index].name) continue;
    if (CWnd* control = ObjectToName(::GetDlgItem(parent, placements[index].id))) {
      control->SetAccessibleName(Tr(placements[index].name));
    }
  }
}
