// The time zone and network pages inside the frame, with the fake network door: the device's zone
// selected and in view, what Next sends, clicks below the rows, the arrows at the ends; the
// network modes, blank DNS servers, the gateway question and the poll.
#include <gtest/gtest.h>

#include <cstring>

#include "base/messages.h"
#include "net/answer_records.h"
#include "res/resource.h"
#include "skin/controls/gdip_ip_addr_ctl.h"
#include "framework/tests/support/ui_test_support.h"
#include "ui/wizard/network_page.h"
#include "ui/wizard/time_zone_page.h"
#include "ui/wizard/tests/support/wizard_page_fixture.h"

using namespace std::chrono_literals;

namespace {
class ZoneAndNetworkPages : public WizardPageFixture {
 protected:
  void SetUp() override {
    OpenFrame({{&zone, L"TimeZone", IDD_WIZARD_TIME_ZONE}, {&network, L"Network", IDD_WIZARD_NETWORK}});
    WizardInfo() = WizardInfoRecord{};
  }
  void DeviceAnswers(CWizardPage& page) {
    door.PostCgiDone(door.Last(kGetWizardInfo), true);
    PumpMessages(30ms);
    ASSERT_EQ(door.Last(kGetWizardInfo).target, page.GetSafeHwnd());
  }
  HWND List() const { return zone.GetDlgItem(IDC_TIME_ZONE_LIST); }
  bool Selected(int row) const {
    return (ListView_GetItemState(List(), row, LVIS_SELECTED) & LVIS_SELECTED) != 0;
  }
  void ClickRow(int row) {
    NMITEMACTIVATE click{};
    click.hdr = {List(), IDC_TIME_ZONE_LIST, static_cast<UINT>(NM_CLICK)};
    click.iItem = row;
    zone.SendMessage(WM_NOTIFY, IDC_TIME_ZONE_LIST, reinterpret_cast<LPARAM>(&click));
  }
  bool ArrowShown(int id) const { return ::IsWindowVisible(zone.GetDlgItem(id)) != FALSE; }
  CGdipIpAddrCtl& Field(int id) { return *CGdipIpAddrCtl::FromWindow(network.GetDlgItem(id)); }
  void ShowNetworkPage(int dhcpFlag, const char* gateway) {
    frame.SendMessage(WM_COMMAND, IDC_WIZARD_STEP_NETWORK);
    WizardInfoRecord& info = WizardInfo();
    info.dhcpFlag = dhcpFlag;
    strcpy(info.lan.address, "192.0.2.10");
    strcpy(info.lan.mask, "255.255.255.0");
    strcpy(info.lan.gateway, gateway);
    strcpy(info.dns1, "198.51.100.53");
    info.dns2[0] = '\0';
    DeviceAnswers(network);
  }

  CTimeZonePage zone;
  CNetworkPage network;
};

TEST_F(ZoneAndNetworkPages, TheDevicesZoneIsSelectedInViewAndSentWithoutAClick) {
  EXPECT_EQ(ListView_GetItemCount(List()), 96);
  WizardInfo().timeZoneIndex = 74;
  DeviceAnswers(zone);
  EXPECT_TRUE(Selected(73));
  const int top = ListView_GetTopIndex(List());
  EXPECT_LE(top, 73);
  EXPECT_GT(top + ListView_GetCountPerPage(List()), 73);
  wchar_t text[64] = {};
  ListView_GetItemText(List(), 73, 1, text, 64);
  EXPECT_STREQ(text, L"GMT+08:00");
  Next();
  ASSERT_EQ(door.Count(kSetTimeZone), 1);
  EXPECT_EQ(door.Last(kSetTimeZone).Field("f_timezone"), "74");
  EXPECT_EQ(door.Last(kSetTimeZone).target, frame.GetSafeHwnd());
}

TEST_F(ZoneAndNetworkPages, AClickBelowTheRowsChoosesNothingAndNextSaysNothing) {
  WizardInfo().timeZoneIndex = 74;
  DeviceAnswers(zone);
  ClickRow(-1);
  Next();
  EXPECT_EQ(door.Count(kSetTimeZone), 0);
  EXPECT_TRUE(answerer.Boxes().empty());
  ClickRow(4);
  Next();
  EXPECT_EQ(door.Last(kSetTimeZone).Field("f_timezone"), "5");
}

TEST_F(ZoneAndNetworkPages, AZoneTheListDoesNotHoldSelectsNothingUntilTheUserClicks) {
  WizardInfo().timeZoneIndex = 97;
  DeviceAnswers(zone);
  for (int row = 0; row < 96; ++row) ASSERT_FALSE(Selected(row));
  Next();
  EXPECT_EQ(door.Count(kSetTimeZone), 0);
  ClickRow(0);
  Next();
  EXPECT_EQ(door.Last(kSetTimeZone).Field("f_timezone"), "1");
}

TEST_F(ZoneAndNetworkPages, WithoutTheDevicesZoneNextDoesNothing) {
  door.PostCgiDone(door.Last(kGetWizardInfo), false);
  PumpMessages(30ms);
  ASSERT_EQ(answerer.Boxes().size(), 1u);
  EXPECT_EQ(answerer.Boxes()[0].text, L"Get wizard information failed.");
  ClickRow(3);
  Next();
  EXPECT_EQ(door.Count(kSetTimeZone), 0);
}

TEST_F(ZoneAndNetworkPages, TheArrowsHideAtTheTopAndTheBottom) {
  EXPECT_FALSE(ArrowShown(IDC_TIME_ZONE_UP));
  EXPECT_TRUE(ArrowShown(IDC_TIME_ZONE_DOWN));
  zone.SendMessage(WM_COMMAND, IDC_TIME_ZONE_DOWN);
  EXPECT_TRUE(ArrowShown(IDC_TIME_ZONE_UP));
  EXPECT_TRUE(ArrowShown(IDC_TIME_ZONE_DOWN));
  for (int step = 0; step < 100; ++step) zone.SendMessage(WM_COMMAND, IDC_TIME_ZONE_DOWN);
  EXPECT_TRUE(ArrowShown(IDC_TIME_ZONE_UP));
  EXPECT_FALSE(ArrowShown(IDC_TIME_ZONE_DOWN));
}

TEST_F(ZoneAndNetworkPages, NetworkModesFollowTheDeviceAndDhcpKeepsTheAddresses) {
  ShowNetworkPage(0, "192.0.2.1");
  EXPECT_FALSE(network.InDhcpMode());
  EXPECT_TRUE(Field(IDC_NETWORK_PAGE_IP).IsWindowVisible());
  EXPECT_TRUE(Field(IDC_NETWORK_PAGE_DNS2).IsBlank());
  network.SendMessage(WM_COMMAND, IDC_NETWORK_PAGE_DHCP);
  EXPECT_TRUE(network.InDhcpMode());
  EXPECT_FALSE(Field(IDC_NETWORK_PAGE_IP).IsWindowVisible());
  EXPECT_FALSE(::IsWindowVisible(network.GetDlgItem(IDC_NETWORK_PAGE_IP_LABEL)));
  Next();
  ASSERT_EQ(door.Count(kSetNetwork), 1);
  EXPECT_EQ(door.Count(kLockSetIp), 1);
  const DoorStart sent = door.Last(kSetNetwork);
  EXPECT_EQ(sent.Field("f_dhcp_enable"), "1");
  EXPECT_EQ(sent.Field("f_ip"), "192.0.2.10");
  EXPECT_EQ(sent.Field("f_netmask"), "255.255.255.0");
  EXPECT_EQ(sent.Field("f_gateway"), "192.0.2.1");
  EXPECT_EQ(sent.Field("f_dns1"), "198.51.100.53");
  EXPECT_EQ(sent.Field("f_dns2"), "");  // blank: sent empty, no message
  EXPECT_TRUE(answerer.Boxes().empty());
}

TEST_F(ZoneAndNetworkPages, AGatewayOutsideTheSubnetIsSentOnlyWhenTheUserAgrees) {
  ShowNetworkPage(0, "192.0.3.1");
  answerer.QueueButtons({IDNO});
  Next();
  ASSERT_EQ(answerer.Boxes().size(), 1u);
  EXPECT_EQ(answerer.Boxes()[0].caption, L"Warning");
  EXPECT_EQ(door.Count(kLockSetIp), 0);
  EXPECT_EQ(door.Count(kSetNetwork), 0);
  answerer.QueueButtons({IDYES});
  Next();
  ASSERT_EQ(door.Count(kSetNetwork), 1);
  EXPECT_EQ(door.Last(kSetNetwork).Field("f_dhcp_enable"), "0");
  EXPECT_EQ(door.Last(kSetNetwork).Field("f_gateway"), "192.0.3.1");
}

TEST_F(ZoneAndNetworkPages, AnEmptyStaticAddressIsRefusedByItsFieldAndNothingIsSent) {
  ShowNetworkPage(0, "192.0.2.1");
  Field(IDC_NETWORK_PAGE_IP).ClearAddress();
  Next();
  ASSERT_EQ(answerer.Boxes().size(), 1u);
  EXPECT_EQ(answerer.Boxes()[0].caption, L"Error");
  EXPECT_EQ(door.Count(kLockSetIp), 0);
}

TEST_F(ZoneAndNetworkPages, AFailedLockStopsTheChangeAndThePollAsksTheFrame) {
  ShowNetworkPage(1, "192.0.2.1");
  EXPECT_TRUE(network.InDhcpMode());
  door.FailNext(kLockSetIp);
  Next();
  ASSERT_EQ(answerer.Boxes().size(), 1u);
  EXPECT_EQ(answerer.Boxes()[0].text, L"setting failed.");
  EXPECT_EQ(door.Count(kSetNetwork), 0);
  EXPECT_TRUE(network.OnPoll());
  EXPECT_EQ(door.Last(kGetLanInfo).target, frame.GetSafeHwnd());
}
}  // namespace
