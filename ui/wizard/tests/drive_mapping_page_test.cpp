// The drive mapping page inside the frame, with the fake network door and recorded drive
// connections: the labels read from the computer's connections, the letters offered, each kind of
// change with its message, the failures, and device data of odd shapes.
#include <gtest/gtest.h>

#include <cstring>

#include "base/messages.h"
#include "net/answer_records.h"
#include "net/login_credentials.h"
#include "net/nas_device.h"
#include "res/resource.h"
#include "framework/tests/support/ui_test_support.h"
#include "ui/wizard/drive_mapping_page.h"
#include "net/win/network_drives.h"
#include "ui/wizard/tests/support/recorded_drive_connections.h"
#include "ui/wizard/tests/support/wizard_page_fixture.h"

using namespace std::chrono_literals;

namespace {
void PutOnlyDevice(const char* address) {
  NasDeviceList::Instance().Clear();
  SearchReplyFields reply{};
  std::strcpy(reply.name, "NAS-01");
  std::strcpy(reply.address, address);
  std::strcpy(reply.mask, "255.255.255.0");
  std::strcpy(reply.dhcpFlag, "0");
  std::strcpy(reply.macText, "00:11:22:33:44:55");
  NasDeviceList::Instance().Merge(reply, 0, "192.0.2.2", "255.255.255.0");
}

class DriveMappingPage : public WizardPageFixture {
 protected:
  DriveMappingPage() : WizardPageFixture(/*administrator=*/false) {}
  void SetUp() override {
    PutOnlyDevice("192.0.2.21");
    std::strcpy(LoginCredentials().userName, "alice");
    std::strcpy(LoginCredentials().password, "wonderland");
    SetDriveConnections(&drives);
    drives.localDrives = u"CDXY";  // the system lists connected network drives too
    drives.remote = {{u"Y:", u"\\\\192.0.2.21\\music"}, {u"X:", u"\\\\192.0.2.99\\photos"}};
    ShareList().clear();
    frame.SetDevice(*ChooseDeviceAt(NasDeviceList::Instance(), 0));
    OpenFrame({{&page, L"DriveMapping", IDD_WIZARD_DRIVE_MAPPING}});
  }
  void TearDown() override {
    WizardPageFixture::TearDown();
    SetDriveConnections(nullptr);
    ClearLoginCredentials();
    NasDeviceList::Instance().Clear();
    ShareList().clear();
  }
  // The device's answer: these shares, labelled as the answer labels them.
  void DeviceAnswers(std::initializer_list<const char16_t*> names) {
    for (const char16_t* name : names) ShareList().push_back({name, u"select"});
    door.PostCgiDone(door.Last(DoorCall::kGetShareInfo), true);
    PumpMessages(30ms);
  }
  HWND List() const { return page.GetDlgItem(IDC_DRIVE_MAPPING_LIST); }
  std::wstring Cell(int row, int column) const {
    wchar_t text[512] = {};
    ListView_GetItemText(List(), row, column, text, 512);
    return text;
  }
  CellChoices ChoicesFor(int row) {
    CellChoices choices{L"left over"};
    page.SendMessage(WM_CELL_CHOICES, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&choices));
    return choices;
  }
  // What the list does when the in-place list closes on `label`.
  void Choose(int row, const wchar_t* label) {
    ListView_SetItemText(List(), row, 1, const_cast<wchar_t*>(label));
    page.SendMessage(WM_CELL_EDITED, static_cast<WPARAM>(row), 1);
  }
  std::wstring OnlyBox() {
    const auto boxes = answerer.Boxes();
    answerer.ForgetBoxes();
    EXPECT_EQ(boxes.size(), 1u);
    return boxes.empty() ? L"" : boxes[0].text;
  }

  RecordedDriveConnections drives;
  CDriveMappingPage page;
};

TEST_F(DriveMappingPage, RowsShowTheDevicesMappedSharesAndTheChoicesLeaveTakenLettersOut) {
  EXPECT_EQ(door.Last(DoorCall::kGetShareInfo).number, 0);  // without USB shares
  EXPECT_EQ(page.DeviceAddress(), L"192.0.2.21");
  DeviceAnswers({u"music", u"photos", u"public"});
  ASSERT_EQ(ListView_GetItemCount(List()), 3);
  EXPECT_EQ(Cell(0, 0), L"music");
  EXPECT_EQ(Cell(0, 1), L"Y:");
  EXPECT_EQ(Cell(1, 1), L"select");  // X: holds another server's share of that name
  EXPECT_EQ(ShareList()[0].label, u"Y:");

  // Not for a list without the focus: the request is not the user's.
  ::SetFocus(frame.GetSafeHwnd());
  EXPECT_TRUE(ChoicesFor(1).empty());
  ::SetFocus(List());
  const CellChoices forPhotos = ChoicesFor(1);
  ASSERT_GE(forPhotos.size(), 3u);
  EXPECT_EQ(forPhotos[0], L"select");
  EXPECT_EQ(forPhotos[1], L"Z:");
  EXPECT_EQ(forPhotos[2], L"W:");
  for (const wchar_t* taken : {L"Y:", L"X:", L"C:", L"D:"})
    EXPECT_EQ(std::count(forPhotos.begin(), forPhotos.end(), taken), 0) << taken;
  const CellChoices forMusic = ChoicesFor(0);
  EXPECT_EQ(std::count(forMusic.begin(), forMusic.end(), L"Y:"), 1);  // its own letter
  EXPECT_EQ(forMusic.size(), 1u + 23u);
}

TEST_F(DriveMappingPage, EachChangeCallsTheSystemShowsItsMessageAndRebuildsTheRows) {
  DeviceAnswers({u"music", u"photos"});
  Choose(0, L"Y:");  // the letter the row has already
  EXPECT_TRUE(drives.calls.empty());
  EXPECT_TRUE(answerer.Boxes().empty());

  Choose(1, L"W:");
  EXPECT_EQ(OnlyBox(), L"Mount sucess.");
  EXPECT_EQ(drives.calls.back(), u"add W: \\\\192.0.2.21\\photos alice/wonderland");
  EXPECT_EQ(Cell(1, 1), L"W:");

  Choose(1, L"V:");
  EXPECT_EQ(OnlyBox(), L"Mount sucess");
  EXPECT_EQ(drives.calls.at(1), u"cancel W:");
  EXPECT_EQ(Cell(1, 1), L"V:");

  Choose(0, L"select");
  EXPECT_EQ(OnlyBox(), L"umount sucess.");
  EXPECT_EQ(drives.calls.back(), u"cancel Y:");
  EXPECT_EQ(Cell(0, 1), L"select");
  EXPECT_EQ(ShareList()[0].label, u"select");
}

TEST_F(DriveMappingPage, FailedChangesShowTheLabelTheConnectionsLeft) {
  DeviceAnswers({u"music", u"photos"});
  drives.addSucceeds = false;
  Choose(1, L"W:");
  EXPECT_EQ(OnlyBox(), L"Mount error.");
  EXPECT_EQ(Cell(1, 1), L"select");

  Choose(0, L"X:");  // the old mapping goes, the new one fails
  EXPECT_EQ(OnlyBox(), L"Mount error");
  EXPECT_EQ(Cell(0, 1), L"select");
  EXPECT_EQ(drives.remote.count(u"Y:"), 0u);

  drives.remote[u"Y:"] = u"\\\\192.0.2.21\\music";
  ShareList()[0].label = u"Y:";
  drives.cancelSucceeds = false;
  Choose(0, L"select");
  EXPECT_EQ(OnlyBox(), L"umount error.");
  EXPECT_EQ(Cell(0, 1), L"Y:");
}

TEST_F(DriveMappingPage, ShareListFailuresLeaveTheListEmpty) {
  DeviceAnswers({u"music"});
  ASSERT_EQ(ListView_GetItemCount(List()), 1);
  door.FailNext(DoorCall::kGetShareInfo);
  page.LoadPageData();
  EXPECT_EQ(OnlyBox(), L"Get wizard information failed.");
  EXPECT_TRUE(ShareList().empty());

  page.LoadPageData();
  door.PostCgiDone(door.Last(DoorCall::kGetShareInfo), false);
  PumpMessages(30ms);
  EXPECT_EQ(OnlyBox(), L"get the NAS share file error.");
  EXPECT_EQ(ListView_GetItemCount(List()), 0);
}

TEST_F(DriveMappingPage, OverLongAndOddShareNamesAndRemoteNamesAreHandledWhole) {
  const std::u16string longName(300, u'n');
  const std::u16string odd = u"a&b =%s\\c";
  drives.remote[u"Z:"] = u"\\\\192.0.2.21\\" + std::u16string(600, u'z');
  drives.remote[u"W:"] = u"\\\\192.0.2.21\\" + odd;
  for (const std::u16string& name : {longName, odd}) ShareList().push_back({name, u"select"});
  DeviceAnswers({});
  ASSERT_EQ(ListView_GetItemCount(List()), 2);
  EXPECT_EQ(Cell(0, 0).size(), 300u);
  EXPECT_EQ(Cell(0, 1), L"select");
  EXPECT_EQ(Cell(1, 0), L"a&b =%s\\c");
  EXPECT_EQ(Cell(1, 1), L"W:");
  Choose(0, L"V:");
  EXPECT_EQ(OnlyBox(), L"Mount sucess.");
  EXPECT_EQ(drives.calls.back(), u"add V: \\\\192.0.2.21\\" + longName + u" alice/wonderland");
}
}  // namespace
