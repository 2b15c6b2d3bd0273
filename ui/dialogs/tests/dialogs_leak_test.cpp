// Opening and closing each dialog 200 times leaves no GDI or USER object behind.
#include <gtest/gtest.h>

#include <cstring>

#include "net/nas_device.h"
#include "ui/dialogs/setting_ip_dialog.h"
#include "ui/dialogs/settings_dialog.h"
#include "framework/tests/support/ui_test_support.h"
#include "ui/network/tests/support/fake_network_door.h"

using namespace std::chrono_literals;

namespace {
template <class Dialog, class... Arguments>
void OpenShowAndClose(Arguments... arguments) {
  Dialog dialog(nullptr, arguments...);
  ASSERT_TRUE(dialog.Create());
  // Drawn into a buffer rather than shown: mapping 400 windows on the X server takes many minutes.
  PixelCanvas canvas(dialog.GetClientRect().right, dialog.GetClientRect().bottom);
  SendMessageW(dialog.GetSafeHwnd(), WM_PRINT, reinterpret_cast<WPARAM>(canvas.Dc()),
               PRF_CLIENT | PRF_CHILDREN | PRF_ERASEBKGND);
  dialog.DestroyWindow();
}

template <class Dialog, class... Arguments>
void ExpectNoLeak(Arguments... arguments) {
  // A pointer resting over a button would bring up tooltips whose objects come and go on their
  // own time.
  SetCursorPos(0, 0);
  // The first rounds fill the platform's own caches (fonts, classes, GDI+ state).
  for (int round = 0; round < 3; ++round) OpenShowAndClose<Dialog>(arguments...);
  PumpMessages(50ms);
  const GuiObjectCounts before = CountGuiObjects();
  ASSERT_GT(before.gdi, 0u);
  for (int round = 0; round < 200; ++round) OpenShowAndClose<Dialog>(arguments...);
  PumpMessages(50ms);
  const GuiObjectCounts after = CountGuiObjects();
  EXPECT_EQ(after.gdi, before.gdi);
  EXPECT_EQ(after.user, before.user);
}
}  // namespace

TEST(DialogLeaks, TwoHundredDeviceIpDialogsLeaveTheObjectCountsWhereTheyBegan) {
  CFakeNetworkDoor door;
  SearchReplyFields reply{};
  std::strcpy(reply.address, "198.51.100.7");
  std::strcpy(reply.mask, "255.255.255.0");
  std::strcpy(reply.gateway, "198.51.100.1");
  std::strcpy(reply.dhcpFlag, "0");
  NasDeviceList::Instance().Clear();
  NasDeviceList::Instance().Merge(reply, 0, "192.0.2.2", "255.255.255.0");
  ExpectNoLeak<CSettingIpDialog>(*ChooseDeviceAt(NasDeviceList::Instance(), 0));
  NasDeviceList::Instance().Clear();
}

TEST(DialogLeaks, TwoHundredSettingsDialogsLeaveTheObjectCountsWhereTheyBegan) { ExpectNoLeak<CSettingsDialog>(); }
