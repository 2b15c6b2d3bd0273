#include "ui/dialogs/setting_ip_dialog.h"

#include <cstdlib>
#include <optional>

#include "i18n/win/win_language.h"
#include "net/nas_device.h"
#include "net/op_kinds.h"
#include "res/resource.h"
#include "skin/window_outline.h"
#include "ui/common/button_looks.h"
#include "ui/common/window_layout.h"
#include "framework/message_box.h"
#include "ui/network/network_door.h"

namespace {
constexpr WindowShape kShape{605, 397, 605, 397, 14};

// Right-aligned beside their fields, vertically centred, one line.
constexpr FontRole kLabelFont{CTransStatic::kDefaultFontHeight, FW_THIN, DT_RIGHT | DT_VCENTER | DT_SINGLELINE};

// The address fields at the size of their frame image (188 x 28).
constexpr ControlPlacement kLayout[] = {
    {IDC_SETIP_DHCP, {150, 80, 290, 104}},
    {IDC_SETIP_STATIC, {330, 80, 470, 104}},
    {.id = IDC_SETIP_IP_LABEL, .rect = {70, 134, 250, 160}, .text = L"IP ADDress", .font = kLabelFont},
    {IDC_SETIP_IP, {270, 133, 458, 161}, 0, L"IP ADDress"},
    {.id = IDC_SETIP_MASK_LABEL, .rect = {70, 180, 250, 206}, .text = L"Subnet Mask", .font = kLabelFont},
    {IDC_SETIP_MASK, {270, 179, 458, 207}, 0, L"Subnet Mask"},
    {.id = IDC_SETIP_GATEWAY_LABEL, .rect = {70, 226, 250, 252}, .text = L"Gateway IP", .font = kLabelFont},
    {IDC_SETIP_GATEWAY, {270, 225, 458, 253}, 0, L"Gateway IP"},
    {IDC_SETIP_DNS1_LABEL, {70, 272, 250, 298}},
    {IDC_SETIP_DNS1, {270, 271, 458, 299}},
    {IDC_SETIP_DNS2_LABEL, {70, 318, 250, 344}},
    {IDC_SETIP_DNS2, {270, 317, 458, 345}},
    {IDC_SETIP_OK, {180, 332, 290, 366}},
    {IDC_SETIP_CANCEL, {315, 332, 425, 366}},
};

constexpr int kAddressFieldIds[] = {IDC_SETIP_IP, IDC_SETIP_MASK, IDC_SETIP_GATEWAY};
constexpr int kAddressLabelIds[] = {IDC_SETIP_IP_LABEL, IDC_SETIP_MASK_LABEL, IDC_SETIP_GATEWAY_LABEL};
constexpr int kFullAddress = CGdipIpAddrCtl::kFieldCount;
}  // namespace

CSettingIpDialog::CSettingIpDialog(HWND owner, const ChosenDevice& device)
    : CNetworkWindow(IDD_DEVICE_IP, owner), device_(device), layout_(kLayout) {}

void CSettingIpDialog::LayOut() {
  ApplyWindowShape(GetSafeHwnd(), kShape);
  layout_.Apply(GetSafeHwnd());
}

BOOL CSettingIpDialog::OnInitDialog() {
  SetUpControls();
  LayOut();
  CenterWindow();
  SetBackgroundImage(IDB_LOGIN_BACKGROUND);

  mode_ = std::atoi(device_.dhcpFlag.c_str()) == 1 ? AddressMode::kDhcp : AddressMode::kStatic;
  dhcp_.SetCheck(mode_ == AddressMode::kDhcp ? BST_CHECKED : BST_UNCHECKED);
  static_.SetCheck(mode_ == AddressMode::kStatic ? BST_CHECKED : BST_UNCHECKED);
  ShowMode(mode_);
  Field(IDC_SETIP_IP)->SetAddress(OctetsOfDotted(device_.address.c_str()));
  Field(IDC_SETIP_MASK)->SetAddress(OctetsOfDotted(device_.mask.c_str()));
  Field(IDC_SETIP_GATEWAY)->SetAddress(OctetsOfDotted(device_.gateway.c_str()));
  return TRUE;
}

void CSettingIpDialog::SetUpControls() {
  ApplyButtonLooks(
      GetSafeHwnd(),
      {{dhcp_, IDC_SETIP_DHCP, L"DHCP", L"DHCP", IDB_RADIO, IDB_RADIO_CHECKED, IDB_RADIO_CHECKED},
       {static_, IDC_SETIP_STATIC, L"Static", L"Static IP Address", IDB_RADIO, IDB_RADIO_CHECKED, IDB_RADIO_CHECKED},
       {ok_, IDC_SETIP_OK, L"OK", L"OK", IDB_BUTTON, IDB_BUTTON_ACTIVE, IDB_BUTTON_ACTIVE},
       {cancel_, IDC_SETIP_CANCEL, L"Cancel", L"Cancel", IDB_BUTTON, IDB_BUTTON_ACTIVE, IDB_BUTTON_ACTIVE}});
  SetWindowText(Tr(L"Device IP"));
}

bool CSettingIpDialog::OnCommand(WORD id, WORD code, HWND control) {
  switch (id) {
    case IDC_SETIP_DHCP:
      ShowMode(AddressMode::kDhcp);
      return true;
    case IDC_SETIP_STATIC:
      ShowMode(AddressMode::kStatic);
      return true;
    case IDC_SETIP_OK:
      OnOK();
      return true;
    case IDC_SETIP_CANCEL:
      OnCancel();
      return true;
    default:
      return CNetworkWindow::OnCommand(id, code, control);
  }
}

void CSettingIpDialog::ShowMode(AddressMode mode) {
  mode_ = mode;
  const int show = mode == AddressMode::kStatic ? SW_SHOW : SW_HIDE;
  for (int id : kAddressFieldIds) ::ShowWindow(GetDlgItem(id), show);
  for (int id : kAddressLabelIds) ::ShowWindow(GetDlgItem(id), show);
}

void CSettingIpDialog::EnableChoices(bool enable) {
  for (const CGdipButton* button : {&ok_, &dhcp_, &static_}) button->EnableWindow(enable);
}

void CSettingIpDialog::OnOK() {
  // A second request must not overlap the first: they share the adapters' sockets.
  if (waiting_) return;
  EnableChoices(false);
  const std::optional<DeviceIpEntry> entry = ReadEntry();
  if (!entry || !ConfirmEntry(*entry)) {
    EnableChoices(true);
    return;
  }
  SendRequest(*entry);
}

std::optional<DeviceIpEntry> CSettingIpDialog::ReadEntry() {
  // A device on DHCP keeps the addresses it reported; they are sent as they are.
  const bool check = mode_ == AddressMode::kStatic;
  DeviceIpEntry entry;
  if (Field(IDC_SETIP_IP)->GetAddress(entry.address, check ? AddressKind::kIp : AddressKind::kAny) != kFullAddress &&
      check) {
    return std::nullopt;
  }
  if (IsLoopbackAddress(entry.address)) {
    ShowWarning(GetSafeHwnd(), Tr(L"IP address input error. Please try again."));
    return std::nullopt;
  }
  if (Field(IDC_SETIP_MASK)->GetAddress(entry.mask, check ? AddressKind::kSubnetMask : AddressKind::kAny) !=
          kFullAddress &&
      check) {
    return std::nullopt;
  }
  if (Field(IDC_SETIP_GATEWAY)->GetAddress(entry.gateway, check ? AddressKind::kGateway : AddressKind::kAny) !=
          kFullAddress &&
      check) {
    return std::nullopt;
  }
  return entry;
}

bool CSettingIpDialog::ConfirmEntry(const DeviceIpEntry& entry) {
  if (mode_ != AddressMode::kStatic || GatewayOnSubnet(entry)) return true;
  return ShowWarning(GetSafeHwnd(),
                     Tr(L"Warning - The default gateway is not on the same network segment(subnet)that is defined by "
                        L"the IPaddress and subnet mask. Do you want to save this configuration?"),
                     MB_YESNO) == IDYES;
}

void CSettingIpDialog::SendRequest(const DeviceIpEntry& entry) {
  request_ = MakeSetIpRequest(entry, mode_);
  if (NetworkDoor().SetDeviceIp(GetSafeHwnd(), device_, &request_) == 0) {
    ShowProgramMessage(GetSafeHwnd(), Tr(L"Refresh NAS list failed."));
    EnableChoices(true);
    return;
  }
  waiting_ = true;
}

void CSettingIpDialog::OnSetIpDone(bool answered, int opKind) {
  // Only the answer to this dialog's own request unlocks it.
  if (opKind != kOpSetIp || !waiting_) return;
  waiting_ = false;
  EnableChoices(true);
  if (answered) {
    EndDialog(IDOK);
    return;
  }
  ShowProgramMessage(GetSafeHwnd(), Tr(L"setting NAS ip failed,please reset NAS ip."));
}

CGdipIpAddrCtl* CSettingIpDialog::Field(int id) const { return CGdipIpAddrCtl::FromWindow(GetDlgItem(id)); }
