// The search as the main window shows it: devices listed as they answer, the selection rule while
// the list fills, entries of an overtaken search dropped, the progress mark, and what the window
// says when the search found nothing, or nothing on this subnet.
#include <gtest/gtest.h>

#include <cstdio>

#include "net/search_tally.h"
#include "settings/setting_names.h"
#include "settings/win/settings_file.h"
#include "skin/controls/gdip_combo_box.h"
#include "ui/main/tests/main_window_fixture.h"

namespace {

SearchEntry Entry(int index, const char* name, const char* address, bool otherSubnet = false) {
  SearchEntry entry;
  entry.index = index;
  std::snprintf(entry.device.name, sizeof entry.device.name, "%s", name);
  std::snprintf(entry.device.address, sizeof entry.device.address, "%s", address);
  std::snprintf(entry.device.mask, sizeof entry.device.mask, "%s", kAdapterMask);
  entry.otherSubnet = otherSubnet;
  return entry;
}

class SearchProgressTest : public MainWindowTest {
 protected:
  CGdipComboBox& List() const {
    return *static_cast<CGdipComboBox*>(CWnd::FromHandle(window.GetDlgItem(IDC_DEVICE_LIST)));
  }
  std::vector<std::wstring> Names() const {
    std::vector<std::wstring> names;
    for (int index = 0; index < List().GetCount(); ++index) names.push_back(List().GetLBText(index));
    return names;
  }
  void Post(const SearchEntry& entry) {
    door.PostSearchEntry(door.Last(DoorCall::kSearchDevices), entry);
    Deliver();
  }
  // What the user does: picks an entry in the open list.
  void UserPicks(int index) {
    List().SetCurSel(index);
    window.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_DEVICE_LIST, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(List().GetSafeHwnd()));
  }
  // The tally of a search through the one adapter that heard `verdicts`.
  static void TallyHeard(std::initializer_list<SearchReplyVerdict> verdicts) {
    SearchTally& tally = LastSearchTally();
    tally.Begin(1, {});
    tally.adapters[0].searchSent = true;
    for (SearchReplyVerdict verdict : verdicts) tally.adapters[0].Count(verdict);
  }
};

TEST_F(SearchProgressTest, DevicesAreListedAsTheyAnswerWhileTheOtherControlsWait) {
  Open();
  EXPECT_TRUE(Visible(IDC_SEARCH_PROGRESS));
  Post(Entry(0, "NAS-A", "192.0.2.10"));
  Post(Entry(1, "NAS-B", "198.51.100.7", true));
  EXPECT_EQ(Names(), (std::vector<std::wstring>{L"NAS-A", L"NAS-B"}));
  EXPECT_EQ(List().ItemDetail(0), L"192.0.2.10");
  EXPECT_EQ(List().ItemDetail(1), L"198.51.100.7 (other subnet)");
  EXPECT_EQ(List().GetCurSel(), 0);
  EXPECT_TRUE(Enabled(IDC_DEVICE_LIST));
  EXPECT_FALSE(Enabled(IDC_CONNECT));
  EXPECT_FALSE(Enabled(IDC_REFRESH));

  // A device heard again (another adapter, a second answer) is the same entry.
  Post(Entry(1, "NAS-B", "198.51.100.7", true));
  EXPECT_EQ(List().GetCount(), 2);

  FinishSearch({{"NAS-A", "192.0.2.10"}, {"NAS-B", "192.0.2.11"}});
  EXPECT_EQ(Names(), (std::vector<std::wstring>{L"NAS-A", L"NAS-B"}));
  EXPECT_EQ(List().ItemDetail(1), L"192.0.2.11");  // the final list is the search's own
  EXPECT_FALSE(Visible(IDC_SEARCH_PROGRESS));
  EXPECT_TRUE(Enabled(IDC_CONNECT));
  EXPECT_FALSE(Visible(IDC_SEARCH_EXPLANATION));
}

TEST_F(SearchProgressTest, TheRememberedDeviceIsSelectedWhenItAppearsAndAUsersChoiceIsKept) {
  WriteSetting(kServNameSetting.section, kServNameSetting.key, L"nas-c");
  Open();
  Post(Entry(0, "NAS-A", "192.0.2.10"));
  EXPECT_EQ(List().GetCurSel(), 0);
  Post(Entry(1, "NAS-C", "192.0.2.12"));
  EXPECT_EQ(List().GetCurSel(), 1);
  FinishSearch({{"NAS-A", "192.0.2.10"}, {"NAS-C", "192.0.2.12"}});
  EXPECT_EQ(List().GetCurSel(), 1);

  window.SendMessage(WM_COMMAND, IDC_REFRESH);
  Post(Entry(0, "NAS-A", "192.0.2.10"));
  UserPicks(0);
  Post(Entry(1, "NAS-B", "192.0.2.11"));
  Post(Entry(2, "NAS-C", "192.0.2.12"));
  EXPECT_EQ(List().GetCurSel(), 0);
  NasDeviceList::Instance().Clear();
  FinishSearch({{"NAS-A", "192.0.2.10"}, {"NAS-B", "192.0.2.11"}, {"NAS-C", "192.0.2.12"}});
  EXPECT_EQ(List().GetCurSel(), 0);
}

TEST_F(SearchProgressTest, EntriesOfAnOvertakenSearchAreDroppedUnread) {
  Open();
  const DoorStart first = door.Last(DoorCall::kSearchDevices);
  window.SendMessage(WM_COMMAND, IDC_REFRESH);
  door.PostSearchEntry(first, Entry(0, "OLD", "192.0.2.30"));
  Deliver();
  EXPECT_EQ(List().GetCount(), 0);
  Post(Entry(0, "NEW", "192.0.2.31"));
  EXPECT_EQ(Names(), (std::vector<std::wstring>{L"NEW"}));
}

TEST_F(SearchProgressTest, ASearchThatHeardNothingExplainsItselfAndOffersToSearchAgain) {
  Open();
  TallyHeard({});
  FinishSearch({});
  ASSERT_TRUE(Visible(IDC_SEARCH_EXPLANATION));
  const std::wstring text = Text(IDC_SEARCH_EXPLANATION);
  EXPECT_EQ(text.rfind(L"No NAS was found.\nAdapter 192.0.2.5 (mask 255.255.255.0): search sent, 0 datagrams heard", 0),
            0u);
  EXPECT_NE(text.find(L"a firewall on this computer blocks inbound UDP port 13579"), std::wstring::npos);
  EXPECT_TRUE(Visible(IDC_SEARCH_AGAIN));
  EXPECT_TRUE(Enabled(IDC_REFRESH));

  window.SendMessage(WM_COMMAND, IDC_SEARCH_AGAIN);
  EXPECT_EQ(door.Count(DoorCall::kSearchDevices), 2);
  EXPECT_FALSE(Visible(IDC_SEARCH_EXPLANATION));
  EXPECT_FALSE(Visible(IDC_SEARCH_AGAIN));
  EXPECT_TRUE(Visible(IDC_SEARCH_PROGRESS));

  TallyHeard({SearchReplyVerdict::kOtherProduct, SearchReplyVerdict::kTooShort});
  FinishSearch({});
  EXPECT_NE(Text(IDC_SEARCH_EXPLANATION)
                .find(L"Ignored: 1 of another product, 0 answering another search, 1 cut short or malformed"),
            std::wstring::npos);
  EXPECT_EQ(Text(IDC_SEARCH_EXPLANATION).find(L"firewall"), std::wstring::npos);
}

TEST_F(SearchProgressTest, OnlyDevicesOnAnotherSubnetGiveTheOneLineHint) {
  Open();
  TallyHeard({SearchReplyVerdict::kAccepted});
  FinishSearch({{"FAR", "198.51.100.7"}});
  EXPECT_EQ(Text(IDC_SEARCH_EXPLANATION),
            L"Every NAS found is on another subnet: logging in as admin offers to move it to this subnet.");
  EXPECT_TRUE(Visible(IDC_SEARCH_EXPLANATION));
  EXPECT_FALSE(Visible(IDC_SEARCH_AGAIN));
  EXPECT_EQ(List().ItemDetail(0), L"198.51.100.7 (other subnet)");
  EXPECT_TRUE(Enabled(IDC_REFRESH));
}

}  // namespace
