#include "ui/wizard/network_page.h"

#include <cstdio>

#include "base/win/ansi_text.h"
#include "i18n/win/win_language.h"
#include "net/answer_records.h"
#include "net/device_commands.h"
#include "res/resource.h"
#include "skin/controls/gdip_ip_addr_ctl.h"
#include "framework/message_box.h"
#include "rules/dotted_address.h"
#include "ui/network/network_door.h"
#include "rules/page_checks.h"

namespace {
constexpr FontRole kLabelFont{16, FW_THIN, kPageLabelFormat};
constexpr ControlPlacement kLayout[] = {
    {IDC_NETWORK_PAGE_DHCP, {49, 0, 222, 18}},
    {IDC_NETWORK_PAGE_STATIC, {49, 30, 222, 48}},
    {.id = IDC_NETWORK_PAGE_IP_LABEL, .rect = {50, 62, 180, 78}, .text = L"IP ADDress", .font = kLabelFont},
    {.id = IDC_NETWORK_PAGE_MASK_LABEL, .rect = {50, 94, 180, 110}, .text = L"Subnet Mask", .font = kLabelFont},
    {.id = IDC_NETWORK_PAGE_GATEWAY_LABEL, .rect = {50, 126, 180, 142}, .text = L"Gateway IP", .font = kLabelFont},
    // The DNS labels keep the template's text: they are not translated.
    {.id = IDC_NETWORK_PAGE_DNS1_LABEL, .rect = {50, 158, 180, 174}, .font = kLabelFont},
    {.id = IDC_NETWORK_PAGE_DNS2_LABEL, .rect = {50, 190, 180, 206}, .font = kLabelFont},
    {IDC_NETWORK_PAGE_IP, {191, 57, 379, 85}},
    {IDC_NETWORK_PAGE_MASK, {191, 89, 379, 117}},
    {IDC_NETWORK_PAGE_GATEWAY, {191, 121, 379, 149}},
    {IDC_NETWORK_PAGE_DNS1, {191, 153, 379, 181}},
    {IDC_NETWORK_PAGE_DNS2, {191, 185, 379, 213}},
};
constexpr int kLabelIds[] = {IDC_NETWORK_PAGE_IP_LABEL, IDC_NETWORK_PAGE_MASK_LABEL, IDC_NETWORK_PAGE_GATEWAY_LABEL,
                             IDC_NETWORK_PAGE_DNS1_LABEL, IDC_NETWORK_PAGE_DNS2_LABEL};
constexpr int kFieldIds[] = {IDC_NETWORK_PAGE_IP, IDC_NETWORK_PAGE_MASK, IDC_NETWORK_PAGE_GATEWAY,
                             IDC_NETWORK_PAGE_DNS1, IDC_NETWORK_PAGE_DNS2};
constexpr int kComplete = 4;  // GetAddressValue: all four octets, and the check passed

void FormatAddress(DWORD value, char (&text)[16]) {
  std::snprintf(text, sizeof text, "%u.%u.%u.%u", static_cast<unsigned>(value >> 24), static_cast<unsigned>((value >> 16) & 0xFF),
                static_cast<unsigned>((value >> 8) & 0xFF), static_cast<unsigned>(value & 0xFF));
}

// Shows the device's dotted text in `field`; anything that is not an address empties it.
void ShowAddress(CGdipIpAddrCtl* field, const char* text) {
  if (!field) return;
  const std::optional<std::uint32_t> value = ParseDotted(std::string_view(text));
  if (!value) {
    field->ClearAddress();
    return;
  }
  field->SetAddress({static_cast<std::uint8_t>(*value >> 24), static_cast<std::uint8_t>(*value >> 16),
                     static_cast<std::uint8_t>(*value >> 8), static_cast<std::uint8_t>(*value)});
}
}  // namespace

CNetworkPage::CNetworkPage() : CWizardPage(IDD_WIZARD_NETWORK, kLayout) {}
CNetworkPage::~CNetworkPage() = default;

void CNetworkPage::SetUpControls() {
  struct Radio {
    CGdipButton& button;
    int id;
    const wchar_t* caption;
    const wchar_t* tip;
  };
  for (const Radio& radio : {Radio{dhcp_, IDC_NETWORK_PAGE_DHCP, L"DHCP", L"DHCP"},
                             Radio{static_, IDC_NETWORK_PAGE_STATIC, L"Static", L"Static IP Address"}}) {
    radio.button.SubclassDlgItem(radio.id, GetSafeHwnd());
    radio.button.LoadImages(IDB_RADIO, IDB_RADIO_CHECKED, IDB_RADIO_CHECKED);
    radio.button.SetToolTipText(Tr(radio.tip));
    radio.button.SetWindowText(Tr(radio.caption));
  }
  SetDhcpMode(true);
}

bool CNetworkPage::InDhcpMode() const { return dhcp_.GetCheck() == BST_CHECKED; }

void CNetworkPage::SetDhcpMode(bool dhcp) {
  dhcp_.SetCheck(dhcp ? BST_CHECKED : BST_UNCHECKED);
  static_.SetCheck(dhcp ? BST_UNCHECKED : BST_CHECKED);
  for (const int id : kLabelIds) ::ShowWindow(GetDlgItem(id), dhcp ? SW_HIDE : SW_SHOW);
  for (const int id : kFieldIds) ::ShowWindow(GetDlgItem(id), dhcp ? SW_HIDE : SW_SHOW);
}

bool CNetworkPage::OnCommand(WORD id, WORD code, HWND control) {
  switch (id) {
    case IDC_NETWORK_PAGE_DHCP:
      SetDhcpMode(true);
      return true;
    case IDC_NETWORK_PAGE_STATIC:
      SetDhcpMode(false);
      return true;
    default:
      return CWizardPage::OnCommand(id, code, control);
  }
}

void CNetworkPage::OnCgiDone(int cmdIndex, bool succeeded) {
  if (!WizardInfoArrived(cmdIndex, succeeded)) return;
  const WizardInfoRecord& info = DeviceSettings();
  if (info.dhcpFlag == 1 || info.dhcpFlag == 0) SetDhcpMode(info.dhcpFlag == 1);
  const char* texts[] = {info.lan.address, info.lan.mask, info.lan.gateway, info.dns1, info.dns2};
  for (size_t index = 0; index < std::size(kFieldIds); ++index) {
    ShowAddress(CGdipIpAddrCtl::FromWindow(GetDlgItem(kFieldIds[index])), texts[index]);
  }
}

bool CNetworkPage::ReadAddresses(bool dhcp, NetworkSettings& settings) const {
  const AddressKind staticKinds[] = {AddressKind::kIp, AddressKind::kSubnetMask, AddressKind::kGateway,
                                     AddressKind::kDns, AddressKind::kDns};
  char(*texts[])[16] = {&settings.address, &settings.mask, &settings.gateway, &settings.dns1, &settings.dns2};
  for (size_t index = 0; index < std::size(kFieldIds); ++index) {
    CGdipIpAddrCtl* field = CGdipIpAddrCtl::FromWindow(GetDlgItem(kFieldIds[index]));
    if (!field) return false;
    const bool optional = index >= 3;  // the DNS servers
    if (optional && field->IsBlank()) continue;
    DWORD value = 0;
    const int result = field->GetAddressValue(value, dhcp ? AddressKind::kAny : staticKinds[index]);
    if (!dhcp && result != kComplete) return false;
    FormatAddress(value, *texts[index]);
  }
  return true;
}

bool CNetworkPage::GatewayAccepted(const NetworkSettings& settings) const {
  const auto address = ParseDotted(std::string_view(settings.address));
  const auto mask = ParseDotted(std::string_view(settings.mask));
  const auto gateway = ParseDotted(std::string_view(settings.gateway));
  if (!address || !mask || !gateway || GatewayInSubnet(*address, *mask, *gateway)) return true;
  const std::wstring question =
      Tr(L"Warning - The default gateway is not on the same network segment(subnet)that is defined by the IPaddress "
         L"and subnet mask. Do you want to save this configuration?");
  return ::MessageBoxW(GetSafeHwnd(), question.c_str(), Tr(L"Warning").c_str(), MB_YESNO) == IDYES;
}

bool CNetworkPage::Launched(int token) {
  SetLastLaunch(token);
  if (token != 0) return true;
  ShowProgramMessage(GetSafeHwnd(), Tr(L"setting failed."));
  return false;
}

bool CNetworkPage::Apply() {
  NetworkSettings settings{};
  const bool dhcp = InDhcpMode();
  settings.dhcpFlag = dhcp ? 1 : 0;
  if (!ReadAddresses(dhcp, settings)) return false;
  if (!dhcp && !GatewayAccepted(settings)) return false;
  if (!Launched(NetworkDoor().SendCommand(FrameWindow(), Device(), kLockSetIp, LockSetIpBody()))) return false;
  // The device takes the lock before the change arrives.
  ::Sleep(20);
  return Launched(NetworkDoor().SendCommand(FrameWindow(), Device(), kSetNetwork, SetNetworkBody(settings)));
}

bool CNetworkPage::OnPoll() {
  return Launched(NetworkDoor().SendCommand(FrameWindow(), Device(), kGetLanInfo, GetLanInfoBody()));
}
