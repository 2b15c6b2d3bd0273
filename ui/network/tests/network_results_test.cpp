// The one decoder of what the network layer posts to a window, driven through the fake door: a
// mailbox result reaches the handler of its kind only with the window's active token and is taken
// out of the mailbox either way; the by-value results arrive unpacked; the fake door records the
// starts and fails the ones it is told to.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/messages.h"
#include "net/mailbox.h"
#include "net/device_commands.h"
#include "net/win/query.h"
#include "framework/tests/support/modal_answerer.h"
#include "framework/tests/support/ui_test_support.h"
#include "framework/wnd.h"
#include "ui/network/network_results.h"
#include "ui/network/tests/support/fake_network_door.h"

using namespace std::chrono_literals;

namespace {
ChosenDevice DeviceNamed(const char* name) {
  ChosenDevice device;
  device.name = name;
  return device;
}


// A message-only window that writes down every result it hears of.
class CResultRecorder : public CNetworkWindow<CWnd> {
 public:
  CResultRecorder() { CreateEx(0, L"STATIC", L"", 0, RECT{}, HWND_MESSAGE, 0); }

  std::vector<std::wstring> heard;
  VolumeInfoList* volumes = nullptr;
  DiskInfoResult* disks = nullptr;

 protected:
  void OnSearchFinished() override { heard.push_back(L"search"); }
  void OnLoginAccepted() override { heard.push_back(L"login"); }
  void OnVolumeStatus(VolumeInfoList* first) override {
    heard.push_back(L"volumes");
    volumes = first;
  }
  void OnUserAccess(const std::wstring& accessText) override { heard.push_back(L"access " + accessText); }
  void OnShareInfo() override { heard.push_back(L"shares"); }
  void OnCgiDone(int cmdIndex, bool succeeded) override {
    heard.push_back(L"cgi " + std::to_wstring(cmdIndex) + (succeeded ? L" ok" : L" failed"));
  }
  void OnSetIpDone(bool answered, int opKind) override {
    heard.push_back(L"setip " + std::to_wstring(opKind) + (answered ? L" answered" : L" silent"));
  }
  void OnDiskInfo(std::unique_ptr<DiskInfoResult> info) override {
    heard.push_back(L"disks");
    disks = info.get();
  }
  void OnDiskStepDone(int cmdIndex, int result) override {
    heard.push_back(L"step " + std::to_wstring(cmdIndex) + L" " + std::to_wstring(result));
  }
  void OnVolumeCreated(int value) override { heard.push_back(L"created " + std::to_wstring(value)); }
  void OnFormatState(int state, int percent) override {
    heard.push_back(L"format " + std::to_wstring(state) + L" " + std::to_wstring(percent));
  }
};

// Handles nothing itself: the defaults must free what they are handed.
class CDeafWindow : public CNetworkWindow<CWnd> {
 public:
  CDeafWindow() { CreateEx(0, L"STATIC", L"", 0, RECT{}, HWND_MESSAGE, 0); }
};

class NetworkResults : public ::testing::Test {
 protected:
  void Deliver() { PumpMessages(30ms); }
  int StartSearch() {
    const int token = NetworkDoor().SearchDevices(window.GetSafeHwnd());
    window.SetActiveRequest(token);
    return token;
  }

  CFakeNetworkDoor door;
  CResultRecorder window;
};

}  // namespace

TEST_F(NetworkResults, EachMailboxKindReachesItsHandlerWithItsRecord) {
  VolumeInfoList first{};
  window.SetActiveRequest(NetworkDoor().GetVolumeStatus(window.GetSafeHwnd(), ChosenDevice{}, &first));
  door.FinishVolumeStatus(door.Last(DoorCall::kGetVolumeStatus), {{1, 400 << 20, 100 << 20, nullptr}, {2, 8, 4, nullptr}});
  Deliver();
  ASSERT_EQ(window.volumes, &first);
  EXPECT_EQ(first.volume, 1);
  ASSERT_NE(first.next, nullptr);
  EXPECT_EQ(first.next->volume, 2);
  EXPECT_EQ(first.next->next, nullptr);
  FreeVolumeInfoTail(first);

  window.SetActiveRequest(NetworkDoor().SendCommand(window.GetSafeHwnd(), ChosenDevice{}, kGetUserAccess,
                                                    GetUserAccessBody(NetworkDoor().Login())));
  door.FinishUserAccess(door.Last(kGetUserAccess), L"1,0,1,1,1,1");
  Deliver();
  window.SetActiveRequest(NetworkDoor().GetShareInfo(window.GetSafeHwnd(), ChosenDevice{}, 1));
  door.Finish(door.Last(DoorCall::kGetShareInfo));
  Deliver();
  window.SetActiveRequest(NetworkDoor().CheckLogin(window.GetSafeHwnd(), L"admin", L"secret", ChosenDevice{}));
  door.Finish(door.Last(DoorCall::kCheckLogin));
  Deliver();
  StartSearch();
  door.Finish(door.Last(DoorCall::kSearchDevices));
  Deliver();
  EXPECT_EQ(window.heard, (std::vector<std::wstring>{L"volumes", L"access 1,0,1,1,1,1", L"shares", L"login", L"search"}));
}

TEST_F(NetworkResults, AResultOfAnOlderRequestIsTakenOutAndDroppedUnread) {
  const int older = StartSearch();
  const int newer = StartSearch();
  ASSERT_NE(older, newer);
  door.Finish(door.Starts()[0]);
  Deliver();
  EXPECT_TRUE(window.heard.empty());

  // The dropped result is gone from the mailbox: the next id taken is the next one put.
  const std::uint64_t next = CMsg::Instance().Put(nullptr);
  void* pointer = nullptr;
  std::uint32_t reserved = 0;
  EXPECT_FALSE(CMsg::Instance().Take(next - 1, pointer, reserved));
  EXPECT_TRUE(CMsg::Instance().Take(next, pointer, reserved));

  door.Finish(door.Last(DoorCall::kSearchDevices));
  Deliver();
  EXPECT_EQ(window.heard, std::vector<std::wstring>{L"search"});
}

TEST_F(NetworkResults, AMailboxIdThatIsNotStoredDoesNothing) {
  StartSearch();
  window.PostMessage(WM_QUERY_RESULT, 0, CMsg::ParamFromId(CMsg::Instance().Put(nullptr) + 1000));
  Deliver();
  EXPECT_TRUE(window.heard.empty());
}

TEST_F(NetworkResults, ResultsByValueArriveUnpacked) {
  const DoorStart timeZone{.call = DoorCall::kSendCommand, .target = window.GetSafeHwnd(), .command = kSetTimeZone};
  door.PostCgiDone(timeZone, true);
  door.PostCgiDone(timeZone, false);
  door.Post(timeZone, WM_SETIP_DONE, 1, kOpSetIp);
  door.Post(timeZone, WM_DISK_STEP_DONE, 3, kCheckRemountState);
  door.Post(timeZone, WM_VOLUME_CREATED, 7, kCreateVolume);
  door.Post(timeZone, WM_FORMAT_STATE, 1, 42);
  auto* disks = new DiskInfoResult{};
  door.Post(timeZone, WM_DISK_INFO, reinterpret_cast<WPARAM>(disks), kGetDiskInfo);
  Deliver();
  EXPECT_EQ(window.heard, (std::vector<std::wstring>{L"cgi 4 ok", L"cgi 4 failed", L"setip 4 silent", L"step 14 3",
                                                     L"created 7", L"format 1 42", L"disks"}));
  EXPECT_EQ(window.disks, disks);
}

TEST_F(NetworkResults, AWindowWithoutHandlersStillTakesAndFreesWhatItIsSent) {
  CDeafWindow deaf;
  deaf.SetActiveRequest(NetworkDoor().SendCommand(deaf.GetSafeHwnd(), ChosenDevice{}, kGetUserAccess,
                                                  GetUserAccessBody(NetworkDoor().Login())));
  door.FinishUserAccess(door.Last(kGetUserAccess), L"1");
  deaf.PostMessage(WM_DISK_INFO, reinterpret_cast<WPARAM>(new DiskInfoResult{}), kGetDiskInfo);
  Deliver();
  void* pointer = nullptr;
  std::uint32_t reserved = 0;
  const std::uint64_t next = CMsg::Instance().Put(nullptr);
  EXPECT_FALSE(CMsg::Instance().Take(next - 1, pointer, reserved));
  CMsg::Instance().Take(next, pointer, reserved);
}

TEST_F(NetworkResults, TheFakeDoorRecordsStartsAndFailsThoseItIsToldTo) {
  door.FailNext(DoorCall::kCheckLogin);
  EXPECT_EQ(NetworkDoor().CheckLogin(window.GetSafeHwnd(), L"user", L"pw", DeviceNamed("NAS-1")), 0);
  const int token = NetworkDoor().CheckLogin(window.GetSafeHwnd(), L"user2", L"pw2", DeviceNamed("NAS-3"));
  EXPECT_NE(token, 0);
  EXPECT_EQ(door.Count(DoorCall::kCheckLogin), 2);
  const DoorStart last = door.Last(DoorCall::kCheckLogin);
  EXPECT_EQ(last.token, token);
  EXPECT_EQ(last.userName, L"user2");
  EXPECT_EQ(last.password, L"pw2");
  EXPECT_EQ(last.device.name, "NAS-3");
  EXPECT_EQ(last.target, window.GetSafeHwnd());

  VolumeRequest second{0, 2, "raid1", "ext4", 100, "sdb", 0, 1, nullptr};
  VolumeRequest plan{1, 1, "raid1", "ext4", 200, "sda", 0, 1, &second};
  NetworkDoor().SendCommand(window.GetSafeHwnd(), ChosenDevice{}, kCreateVolume, CreateVolumeBody(&plan));
  const DoorStart create = door.Last(kCreateVolume);
  EXPECT_EQ(create.body, CreateVolumeBody(&plan));
  const std::vector<VolumeRequest> sent = create.Plan();
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(sent[1].sizeGiB, 100);
  EXPECT_STREQ(sent[1].level, "raid1");
  EXPECT_EQ(sent[0].next, nullptr);
}

TEST(NetworkDoorChoice, TheRealDoorComesBackWhenTheFakeGoes) {
  INetworkDoor* real = &NetworkDoor();
  {
    CFakeNetworkDoor door;
    EXPECT_EQ(&NetworkDoor(), &door);
  }
  EXPECT_EQ(&NetworkDoor(), real);
}

// A start through the real door that fails before anything is sent, for a window of the test's:
// the boxes that tell why, and their owner.
class RealNetworkDoor : public ::testing::Test {
 protected:
  RealNetworkDoor() { device.address = "192.0.2.21"; }
  ~RealNetworkDoor() override { DestroyWindow(owner); }

  CModalAnswerer answerer;
  HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ChosenDevice device;
};

TEST_F(RealNetworkDoor, WhyAStartFailedIsToldOwnedByTheWindowItWasFor) {
  // Refused before anything is sent: a password of 16 bytes would go out cut.
  EXPECT_EQ(NetworkDoor().CheckLogin(owner, L"alice", L"0123456789abcdef", ChosenDevice{}), 0);
  const auto boxes = answerer.Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"The user name and the password may have at most 15 characters.");
  EXPECT_EQ(boxes[0].owner, owner);
}

TEST_F(RealNetworkDoor, ACommandWhoseBodyCannotBeBuiltIsToldAndNotSent) {
  EXPECT_EQ(NetworkDoor().SendCommand(owner, device, kCreateVolume, CreateVolumeBody(nullptr)), 0);  // no plan
  const auto boxes = answerer.Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"make_send buff error");
  EXPECT_EQ(boxes[0].owner, owner);
}

// Sent by index alone, a password change would empty the login on its answer and a volume read
// would have no record to fill: those two start only through their own calls.
TEST_F(RealNetworkDoor, TheCommandsThatKeepSomethingForTheirAnswerAreNotSentByIndexAlone) {
  LoginCredentialsRecord login{"admin", "secret"};
  EXPECT_EQ(NetworkDoor().SendCommand(owner, device, kChangePassword, ChangePasswordBody(login, "new")), 0);
  EXPECT_EQ(NetworkDoor().SendCommand(owner, device, kGetVolumeStatus, GetVolumeStatusBody()), 0);
  const auto boxes = answerer.Boxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].text, L"make_send buff error");
  EXPECT_EQ(boxes[1].owner, owner);
}

TEST(NetworkDoorRecords, TheFakeDoorServesTheRecordsTheRealOneDoes) {
  ShareListRecord* realShares = &NetworkDoor().Shares();
  WizardInfoRecord* realSettings = &NetworkDoor().DeviceSettings();
  LoginCredentialsRecord* realLogin = &NetworkDoor().Login();
  CFakeNetworkDoor door;
  EXPECT_EQ(&NetworkDoor().Shares(), realShares);
  EXPECT_EQ(&NetworkDoor().DeviceSettings(), realSettings);
  EXPECT_EQ(&NetworkDoor().Login(), realLogin);
  NetworkDoor().SetAdministratorLogin(true);
  EXPECT_TRUE(IsAdminUser);
  NetworkDoor().SetAdministratorLogin(false);
  EXPECT_FALSE(NetworkDoor().AdministratorLogin());
}
