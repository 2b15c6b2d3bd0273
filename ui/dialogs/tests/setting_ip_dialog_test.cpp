// The device IP dialog against the fake network door: the mode it opens in, what OK sends, every
// refusal before the request (each back to idle with the buttons enabled), the answer and its two
// outcomes, and Cancel staying usable while the request waits.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>

#include "base/messages.h"
#include "net/nas_device.h"
#include "net/op_kinds.h"
#include "res/resource.h"
#include "skin/controls/gdip_ip_addr_ctl.h"
#include "ui/dialogs/setting_ip_dialog.h"
#include "framework/tests/support/modal_answerer.h"
#include "framework/tests/support/ui_test_support.h"
#include "ui/network/tests/support/fake_network_door.h"

using namespace std::chrono_literals;

namespace {
// The device as the search found it, also the only one in the device list.
ChosenDevice PutOnlyDevice(const char* address, const char* mask, const char* gateway, const char* dhcpFlag) {
  NasDeviceList::Instance().Clear();
  SearchReplyFields reply{};
  std::strcpy(reply.name, "NAS-01");
  std::strcpy(reply.address, address);
  std::strcpy(reply.mask, mask);
  std::strcpy(reply.gateway, gateway);
  std::strcpy(reply.dhcpFlag, dhcpFlag);
  std::strcpy(reply.macText, "00:11:22:33:44:55");
  NasDeviceList::Instance().Merge(reply, 0, "192.0.2.2", "255.255.255.0");
  return *ChooseDeviceAt(NasDeviceList::Instance(), 0);
}

std::string Text(const char* field, size_t size) { return std::string(field, strnlen(field, size)); }

class SettingIpDialog : public ::testing::Test {
 protected:
  void Open(const char* dhcpFlag) {
    dialog.emplace(nullptr, PutOnlyDevice("198.51.100.7", "255.255.255.0", "198.51.100.1", dhcpFlag));
    ASSERT_TRUE(dialog->Create());
    dialog->ShowWindow(SW_SHOWNOACTIVATE);
  }
  void TearDown() override {
    if (dialog && dialog->GetSafeHwnd()) dialog->DestroyWindow();
    NasDeviceList::Instance().Clear();
  }

  HWND Item(int id) const { return dialog->GetDlgItem(id); }
  bool Visible(int id) const { return IsWindowVisible(Item(id)) != FALSE; }
  bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
  bool Checked(int id) const { return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  bool ChoicesEnabled() const { return Enabled(IDC_SETIP_OK) && Enabled(IDC_SETIP_DHCP) && Enabled(IDC_SETIP_STATIC); }
  bool ChoicesDisabled() const {
    return !Enabled(IDC_SETIP_OK) && !Enabled(IDC_SETIP_DHCP) && !Enabled(IDC_SETIP_STATIC);
  }
  void Enter(int id, const Octets& octets) const { CGdipIpAddrCtl::FromWindow(Item(id))->SetAddress(octets); }
  void EnterStatic(const Octets& address, const Octets& mask, const Octets& gateway) const {
    dialog->SendMessage(WM_COMMAND, IDC_SETIP_STATIC);
    Enter(IDC_SETIP_IP, address);
    Enter(IDC_SETIP_MASK, mask);
    Enter(IDC_SETIP_GATEWAY, gateway);
  }
  void PressOk() const { dialog->SendMessage(WM_COMMAND, IDC_SETIP_OK); }

  CFakeNetworkDoor door;
  CModalAnswerer answerer;
  std::optional<CSettingIpDialog> dialog;  // made by Open, for the device it puts in the list
};
}  // namespace

TEST_F(SettingIpDialog, DhcpDeviceOpensWithTheFieldsHiddenAndOkSendsItsCurrentAddressesWithModeOne) {
  Open("1");
  EXPECT_TRUE(Checked(IDC_SETIP_DHCP));
  EXPECT_FALSE(Checked(IDC_SETIP_STATIC));
  for (int id : {IDC_SETIP_IP, IDC_SETIP_MASK, IDC_SETIP_GATEWAY, IDC_SETIP_IP_LABEL, IDC_SETIP_MASK_LABEL,
                 IDC_SETIP_GATEWAY_LABEL, IDC_SETIP_DNS1, IDC_SETIP_DNS2, IDC_SETIP_DNS1_LABEL, IDC_SETIP_DNS2_LABEL}) {
    EXPECT_FALSE(Visible(id)) << id;
  }

  PressOk();
  ASSERT_EQ(door.Count(DoorCall::kSetDeviceIp), 1);
  const DoorStart start = door.Last(DoorCall::kSetDeviceIp);
  EXPECT_EQ(start.target, dialog->GetSafeHwnd());
  EXPECT_EQ(start.device.macText, "00:11:22:33:44:55");
  EXPECT_EQ(Text(start.setIp.interfaceName, 10), "LAN1");
  EXPECT_EQ(Text(start.setIp.address, 16), "198.51.100.7");
  EXPECT_EQ(Text(start.setIp.mask, 16), "255.255.255.0");
  EXPECT_EQ(Text(start.setIp.gateway, 16), "198.51.100.1");
  EXPECT_EQ(start.setIp.dhcpFlag, '1');
  EXPECT_TRUE(answerer.Boxes().empty());
}

TEST_F(SettingIpDialog, StaticDeviceShowsItsAddressesAndTheModeButtonsSwitchTheFields) {
  Open("0");
  EXPECT_TRUE(Checked(IDC_SETIP_STATIC));
  EXPECT_FALSE(Checked(IDC_SETIP_DHCP));
  for (int id : {IDC_SETIP_IP, IDC_SETIP_MASK, IDC_SETIP_GATEWAY, IDC_SETIP_IP_LABEL}) EXPECT_TRUE(Visible(id)) << id;
  EXPECT_FALSE(Visible(IDC_SETIP_DNS1));

  dialog->SendMessage(WM_COMMAND, IDC_SETIP_DHCP);
  EXPECT_EQ(dialog->Mode(), AddressMode::kDhcp);
  EXPECT_FALSE(Visible(IDC_SETIP_GATEWAY));
  dialog->SendMessage(WM_COMMAND, IDC_SETIP_STATIC);
  EXPECT_TRUE(Visible(IDC_SETIP_GATEWAY));
  EXPECT_FALSE(Visible(IDC_SETIP_DNS2));

  EnterStatic({192, 0, 2, 20}, {255, 255, 255, 0}, {192, 0, 2, 1});
  PressOk();
  const DoorStart start = door.Last(DoorCall::kSetDeviceIp);
  EXPECT_EQ(Text(start.setIp.address, 16), "192.0.2.20");
  EXPECT_EQ(Text(start.setIp.gateway, 16), "192.0.2.1");
  EXPECT_EQ(start.setIp.dhcpFlag, '0');
  EXPECT_TRUE(answerer.Boxes().empty());
}

TEST_F(SettingIpDialog, RefusalsBeforeTheRequestReturnToIdleWithNothingSent) {
  Open("0");
  // A loopback address, however valid the mask and gateway.
  EnterStatic({127, 0, 0, 5}, {255, 0, 0, 0}, {127, 0, 0, 1});
  PressOk();
  // The gateway outside the subnet, answered No.
  EnterStatic({192, 168, 1, 10}, {255, 255, 255, 0}, {192, 168, 2, 1});
  answerer.QueueButtons({IDOK, IDNO});
  PressOk();
  // The address field's own check and its missing third part.
  EnterStatic({192, 0, 2, 0}, {255, 255, 255, 0}, {192, 0, 2, 1});
  PressOk();
  EnterStatic({192, 0, 2, 20}, {255, 255, 255, 0}, {192, 0, 2, 1});
  SetDlgItemTextW(Item(IDC_SETIP_MASK), 3, L"");
  PressOk();

  const std::vector<AnsweredBox> boxes = answerer.Boxes();
  ASSERT_EQ(boxes.size(), 4u);
  EXPECT_EQ(boxes[0].caption, L"Warning");
  EXPECT_EQ(boxes[0].text, L"IP address input error. Please try again.");
  EXPECT_EQ(boxes[1].caption, L"Warning");
  EXPECT_EQ(boxes[1].text.rfind(L"Warning - The default gateway is not on the same network segment", 0), 0u);
  EXPECT_EQ(boxes[2].caption, L"Error");
  EXPECT_EQ(boxes[2].text,
            L"0 is not a valid entry in IP.  Please specify a value between 1 and 254 for this field.");
  EXPECT_EQ(boxes[3].caption, L"Error");
  EXPECT_EQ(boxes[3].text, L"Missing value in address");
  EXPECT_EQ(door.Count(DoorCall::kSetDeviceIp), 0);
  EXPECT_TRUE(ChoicesEnabled());
  EXPECT_FALSE(dialog->IsWaiting());

  // Yes to the same gateway question sends it.
  EnterStatic({192, 168, 1, 10}, {255, 255, 255, 0}, {192, 168, 2, 1});
  answerer.QueueButtons({IDYES});
  PressOk();
  EXPECT_EQ(door.Count(DoorCall::kSetDeviceIp), 1);
}

TEST_F(SettingIpDialog, WhileTheRequestWaitsOnlyCancelStaysUsableAndEnterSendsNothingMore) {
  Open("0");
  PressOk();
  ASSERT_TRUE(dialog->IsWaiting());
  EXPECT_TRUE(ChoicesDisabled());
  EXPECT_TRUE(Enabled(IDC_SETIP_CANCEL));
  dialog->SendMessage(WM_COMMAND, IDOK);
  EXPECT_EQ(door.Count(DoorCall::kSetDeviceIp), 1);

  // Another operation's answer is not this request's.
  door.Post(door.Last(DoorCall::kSetDeviceIp), WM_SETIP_DONE, 0, kOpDiscovery);
  PumpMessages(30ms);
  EXPECT_TRUE(dialog->IsWaiting());
  EXPECT_TRUE(ChoicesDisabled());
  EXPECT_TRUE(IsWindow(dialog->GetSafeHwnd()));

  dialog->SendMessage(WM_COMMAND, IDC_SETIP_CANCEL);
  EXPECT_EQ(dialog->GetSafeHwnd(), nullptr);
}

TEST_F(SettingIpDialog, NoAnswerKeepsTheDialogOpenAndLetsTheUserTryAgain) {
  Open("0");
  PressOk();
  door.Post(door.Last(DoorCall::kSetDeviceIp), WM_SETIP_DONE, 1, kOpSetIp);
  PumpUntil([&] { return !answerer.Boxes().empty(); }, 3000ms);
  ASSERT_EQ(answerer.Boxes().size(), 1u);
  EXPECT_EQ(answerer.Boxes()[0].caption, L"Drovik");
  EXPECT_EQ(answerer.Boxes()[0].text, L"setting NAS ip failed,please reset NAS ip.");
  EXPECT_TRUE(IsWindow(dialog->GetSafeHwnd()));
  EXPECT_FALSE(dialog->IsWaiting());
  EXPECT_TRUE(ChoicesEnabled());
  PressOk();
  EXPECT_EQ(door.Count(DoorCall::kSetDeviceIp), 2);
}

TEST_F(SettingIpDialog, ARequestThatCannotStartSaysSoAndReturnsToIdle) {
  Open("0");
  door.FailNext(DoorCall::kSetDeviceIp);
  PressOk();
  ASSERT_EQ(answerer.Boxes().size(), 1u);
  EXPECT_EQ(answerer.Boxes()[0].text, L"Refresh NAS list failed.");
  EXPECT_FALSE(dialog->IsWaiting());
  EXPECT_TRUE(ChoicesEnabled());
}

TEST(SettingIpDialogRun, EndsWithOkOnlyWhenTheDeviceAnsweredAndWithCancelWhenLeftWhileWaiting) {
  CFakeNetworkDoor door;
  CModalAnswerer answerer;
  const ChosenDevice device = PutOnlyDevice("198.51.100.7", "255.255.255.0", "198.51.100.1", "1");
  const auto pressOkThen = [](UINT message, WPARAM wParam, LPARAM lParam) {
    return [=](HWND window) {
      ClickControl(window, IDC_SETIP_OK);
      while (IsWindowEnabled(GetDlgItem(window, IDC_SETIP_OK))) Sleep(10);
      PostMessageW(window, message, wParam, lParam);
    };
  };
  answerer.OnDialog(IDC_SETIP_DHCP, pressOkThen(WM_SETIP_DONE, 0, kOpSetIp));
  CSettingIpDialog answered(nullptr, device);
  EXPECT_EQ(answered.DoModal(), IDOK);

  answerer.OnDialog(IDC_SETIP_DHCP, pressOkThen(WM_COMMAND, IDC_SETIP_CANCEL, 0));
  CSettingIpDialog left(nullptr, device);
  EXPECT_EQ(left.DoModal(), IDCANCEL);
  EXPECT_TRUE(answerer.Boxes().empty());
  NasDeviceList::Instance().Clear();
}
