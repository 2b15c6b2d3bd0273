#include "skin/controls/gdip_ip_addr_ctl.h"

#include <oleacc.h>

#include "base/win/ansi_text.h"
#include "i18n/win/win_language.h"
#include "res/resource.h"
#include "skin/controls/control_buffer.h"
#include "skin/controls/input_alerts.h"
#include "skin/skin_draw.h"

namespace {
constexpr UINT kFrameImage = IDB_ADDRESS_FRAME;
// Fields start 2 pixels right of their slot and end 2 before it, from y 4 to 2 above the bottom.
constexpr int kFieldInset = 2;
constexpr int kFieldTop = 4;
constexpr int kFieldBottomGap = 2;


const wchar_t* OctetMessage(AddressKind kind) {
  switch (kind) {
    case AddressKind::kGateway:
      return L"%d is not a valid entry in GateWay IP.  Please specify a value between 1 and %d for this field.";
    case AddressKind::kDns:
      return L"%d is not a valid entry in DNS.  Please specify a value between 1 and %d for this field.";
    default:
      return L"%d is not a valid entry in IP.  Please specify a value between 1 and %d for this field.";
  }
}
}  // namespace


int CGdipIpAddrCtl::GetAddress(Octets& octets, AddressKind kind) {
  octets = {};
  Octets read{};
  for (int index = 0; index < kFieldCount; ++index) {
    FieldReading field = ReadOctetField(ToU16(fields_[static_cast<size_t>(index)].GetWindowText()));
    if (field.state == FieldState::kEmpty) {
      Refuse(Tr(L"Missing value in address"));
      return index;
    }
    if (field.state == FieldState::kOutOfRange) {
      Refuse(TrFormat(L"%d is not a valid entry.  Please specify a value between 0 and 255 for this field.",
                      static_cast<int>(field.value)));
      FocusField(index, Caret::kSelectAll);
      return 0;
    }
    read[static_cast<size_t>(index)] = static_cast<std::uint8_t>(field.value);
  }
  switch (CheckAddress(read, kind)) {
    case AddressVerdict::kValid:
      octets = read;
      return kFieldCount;
    case AddressVerdict::kBadFirstOctet:
      Refuse(TrFormat(OctetMessage(kind), static_cast<int>(read[0]), kHighestFirstOctet));
      return 0;
    case AddressVerdict::kBadLastOctet:
      Refuse(TrFormat(OctetMessage(kind), static_cast<int>(read[3]), kHighestLastOctet));
      return 0;
    case AddressVerdict::kBadMask:
      Refuse(Tr(L"Please enter a valid address in SubnetMask."));
      return 0;
  }
  return 0;
}

int CGdipIpAddrCtl::GetAddressValue(DWORD& value, AddressKind kind) {
  Octets octets{};
  int result = GetAddress(octets, kind);
  value = PackAddress(octets);
  return result;
}

void CGdipIpAddrCtl::SetAddress(const Octets& octets) {
  for (size_t index = 0; index < octets.size(); ++index) {
    fields_[index].SetWindowText(std::to_wstring(static_cast<unsigned>(octets[index])));
  }
}

void CGdipIpAddrCtl::ClearAddress() {
  for (CIPAddrEdit& field : fields_) field.SetWindowText(L"");
}

bool CGdipIpAddrCtl::IsBlank() const {
  for (const CIPAddrEdit& field : fields_) {
    if (GetWindowTextLengthW(field.GetSafeHwnd()) > 0) return false;
  }
  return true;
}

void CGdipIpAddrCtl::EnableControl(bool enable) {
  for (CIPAddrEdit& field : fields_) field.EnableWindow(enable);
  EnableWindow(enable);
}

void CGdipIpAddrCtl::FocusField(int index, Caret caret) {
  if (index < 0 || index >= kFieldCount) return;
  CIPAddrEdit& field = fields_[static_cast<size_t>(index)];
  SetFocus(field.GetSafeHwnd());
  switch (caret) {
    case Caret::kSelectAll:
      field.SetSel(0, -1);
      break;
    case Caret::kAtStart:
      field.SetSel(0, 0);
      break;
    case Caret::kAtEnd: {
      int length = GetWindowTextLengthW(field.GetSafeHwnd());
      field.SetSel(length, length);
      break;
    }
  }
}

bool CGdipIpAddrCtl::IsField(HWND window) const {
  for (const CIPAddrEdit& field : fields_) {
    if (window && field.GetSafeHwnd() == window) return true;
  }
  return false;
}

void CGdipIpAddrCtl::LeaveByTab(bool backwards) const {
  if (HWND next = GetNextDlgTabItem(GetParent(), GetSafeHwnd(), backwards)) SetFocus(next);
}

void CGdipIpAddrCtl::PressDefaultButton() const {
  HWND dialog = GetParent();
  // As the dialog manager does for Enter: the default button, or the dialog's OK where it has none.
  LRESULT answer = ::SendMessageW(dialog, DM_GETDEFID, 0, 0);
  const WORD id = HIWORD(answer) == DC_HASDEFID ? LOWORD(answer) : IDOK;
  ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

LRESULT CGdipIpAddrCtl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      OnCreate(*reinterpret_cast<const CREATESTRUCTW*>(lParam));
      break;
    case WM_SIZE:
      Layout(LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_SETFOCUS:
      FocusField(0, Caret::kSelectAll);
      return 0;
    case WM_ENABLE:
      enabled_ = wParam != FALSE;
      for (CIPAddrEdit& field : fields_) field.EnableWindow(enabled_);
      Invalidate(false);
      return 0;
    case WM_SETFONT:
      for (CIPAddrEdit& field : fields_) field.SetFont(reinterpret_cast<HFONT>(wParam), LOWORD(lParam) != 0);
      return 0;
    default:
      break;
  }
  return CSkinnedWindow::WindowProc(message, wParam, lParam);
}

void CGdipIpAddrCtl::OnCreate(const CREATESTRUCTW& create) {
  SetWindowLongPtrW(GetSafeHwnd(), GWL_EXSTYLE, GetWindowLongPtrW(GetSafeHwnd(), GWL_EXSTYLE) | WS_EX_NOPARENTNOTIFY);
  noRangeCheck_ = (static_cast<DWORD>(create.style) & kNoRangeCheck) != 0;
  for (int index = 0; index < kFieldCount; ++index) fields_[static_cast<size_t>(index)].Create(*this, index);
  frame_.Load(kFrameImage);
}

void CGdipIpAddrCtl::OnDpiChanged() {
  for (CIPAddrEdit& field : fields_) field.UseFontForDpi();
}

void CGdipIpAddrCtl::Layout(int width, int height) {
  // The dot is measured as the control's own context draws it, with no font chosen.
  SIZE dot{};
  {
    WindowDC dc(GetSafeHwnd());
    GetTextExtentPoint32W(dc.GetSafeHdc(), L".", 1, &dot);
  }
  const UINT dpi = WindowDpi(GetSafeHwnd());
  const int inset = ScaleToDpi(kFieldInset, dpi);
  int field = (width - 3 * dot.cx) / kFieldCount;
  int step = field + dot.cx;
  for (int index = 0; index < kFieldCount; ++index) {
    int left = inset + index * step;
    fields_[static_cast<size_t>(index)].MoveWindow(RECT{left, ScaleToDpi(kFieldTop, dpi), field - inset + index * step,
                                                        height - ScaleToDpi(kFieldBottomGap, dpi)});
  }
  for (size_t index = 0; index < dots_.size(); ++index) {
    int left = field + static_cast<int>(index) * step;
    dots_[index] = RECT{left, 0, left + dot.cx, height};
  }
}

void CGdipIpAddrCtl::Paint(HDC target) {
  CControlBuffer buffer(GetSafeHwnd(), target);
  HDC dc = buffer.GetSafeHdc();
  const UINT dpi = WindowDpi(GetSafeHwnd());
  DrawSkinImage(dc, frame_, 0, 0, ScaleToDpi(frame_.Width(), dpi), ScaleToDpi(frame_.Height(), dpi));
  COLORREF colour = GetSysColor(enabled_ ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT);
  for (const RECT& dot : dots_) {
    RECT area{dot.left - ScaleToDpi(2, dpi), dot.top + ScaleToDpi(4, dpi), dot.right + ScaleToDpi(2, dpi),
              dot.bottom - ScaleToDpi(2, dpi)};
    CDC(dc).FillSolidRect(area, GetSysColor(COLOR_WINDOW));
    CDC(dc).DrawText(L".", area, DT_CENTER | DT_VCENTER | DT_SINGLELINE, colour);
  }
}

void CGdipIpAddrCtl::Refuse(const std::wstring& message) const { ShowInputError(GetSafeHwnd(), message); }

bool CGdipIpAddrCtl::Describe(AccessibleDescription& description) const {
  description.role = ROLE_SYSTEM_IPADDRESS;
  description.name = AccessibleName();
  return true;
}
