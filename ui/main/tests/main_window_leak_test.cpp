// Two hundred logins and logouts against the fake door, with the volume panels filled each time,
// leave the process's GDI and USER objects where they began.
#include <gtest/gtest.h>

#include "ui/main/tests/main_window_fixture.h"

namespace {
class MainWindowLeaks : public MainWindowTest {
 protected:
  void LogInAndOut() {
    ConnectAs(L"admin", L"secret");
    AcceptLogin();
    FinishVolumeStatus({{1, 400 << 20, 100 << 20, nullptr}, {2, 200 << 20, 50 << 20, nullptr}});
    window.SendMessage(WM_COMMAND, IDC_LOGOUT);
  }
};
}  // namespace

TEST_F(MainWindowLeaks, TwoHundredLoginsAndLogoutsLeaveTheObjectCountsWhereTheyBegan) {
  // A pointer resting over the window would bring up tooltips whose objects come and go on their
  // own time.
  SetCursorPos(0, 0);
  Open();
  FinishSearch({{"NAS-01", "192.0.2.10"}});
  // The first rounds fill the platform's caches (fonts, tooltips, GDI+ state).
  for (int round = 0; round < 3; ++round) LogInAndOut();
  Deliver();
  const GuiObjectCounts before = CountGuiObjects();
  for (int round = 0; round < 200; ++round) LogInAndOut();
  Deliver();
  const GuiObjectCounts after = CountGuiObjects();
  EXPECT_EQ(after.gdi, before.gdi);
  EXPECT_EQ(after.user, before.user);
}
