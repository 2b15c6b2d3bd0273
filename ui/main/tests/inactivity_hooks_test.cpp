// The inactivity watch with real input: keys and clicks sent through SendInput reach the thread's
// hooks, which report only deliberate input to the watched window; that window restarts the timer
// on each report as the main window does, so typing postpones the timeout and idling lets it fire.
#include <gtest/gtest.h>

#include <vector>

#include "base/messages.h"
#include "framework/tests/support/ui_test_support.h"
#include "ui/common/inactivity_watch.h"

using namespace std::chrono_literals;

namespace {
int reports = 0;
int timeouts = 0;

LRESULT CALLBACK WatchedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_USER_ACTIVITY) {
    ++reports;
    RestartInactivityTimer();
    return 0;
  }
  if (message == WM_TIMER && wParam == kInactivityTimer) {
    ++timeouts;
    KillTimer(window, kInactivityTimer);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

class InactivityWatch : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WatchedWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"InactivityWatchTest";
    RegisterClassW(&windowClass);
    window = CreateWindowExW(0, L"InactivityWatchTest", L"watched", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100,
                             300, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    SetForegroundWindow(window);
    SetFocus(window);
    PumpMessages(100ms);
    reports = 0;
    timeouts = 0;
  }
  void TearDown() override {
    StopInactivityWatch();
    DestroyWindow(window);
    InactivityTimeout = 900000;
  }

  static void Key(WORD virtualKey, bool release) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
    PumpMessages(40ms);
  }
  void MouseTo(int x, int y) const {
    POINT point{x, y};
    ClientToScreen(window, &point);
    SetCursorPos(point.x, point.y);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof input);
    PumpMessages(40ms);
  }

  HWND window = nullptr;
};
}  // namespace

TEST_F(InactivityWatch, LettersCountOnRepeatAndReleaseWhileShiftAMouseMoveAndARightClickDoNot) {
  StartInactivityWatch(window);
  Key('A', false);
  EXPECT_EQ(reports, 0);  // the first press
  Key('A', false);
  EXPECT_EQ(reports, 1);  // auto-repeat
  Key('A', true);
  EXPECT_EQ(reports, 2);  // release

  Key(VK_SHIFT, false);
  Key(VK_SHIFT, false);
  Key(VK_SHIFT, true);
  Key(VK_TAB, true);
  MouseTo(20, 20);
  MouseTo(120, 80);
  INPUT right[2]{};
  right[0].type = right[1].type = INPUT_MOUSE;
  right[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
  right[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
  SendInput(2, right, sizeof right[0]);
  PumpMessages(60ms);
  EXPECT_EQ(reports, 2);

  ClickAt([&] {
    POINT point{50, 50};
    ClientToScreen(window, &point);
    return point;
  }());
  PumpMessages(60ms);
  EXPECT_EQ(reports, 3);  // the end of the left click

  StopInactivityWatch();
  Key('B', false);
  Key('B', true);
  EXPECT_EQ(reports, 3);
}

TEST_F(InactivityWatch, TypingPostponesTheTimeoutAndIdlingLetsItFire) {
  InactivityTimeout = 1500;
  StartInactivityWatch(window);
  for (int press = 0; press < 12; ++press) {
    Key('7', true);  // a release counts on its own
    PumpMessages(200ms);
  }
  EXPECT_GE(reports, 12);
  EXPECT_EQ(timeouts, 0);
  EXPECT_TRUE(PumpUntil([] { return timeouts == 1; }, 6000ms));
}

TEST_F(InactivityWatch, ManualLogoutArmsNoTimerAndStoppingTakesTheTimerDown) {
  InactivityTimeout = 0;
  StartInactivityWatch(window);
  PumpMessages(300ms);
  EXPECT_EQ(timeouts, 0);

  InactivityTimeout = 100;
  RestartInactivityTimer();
  StopInactivityWatch();
  PumpMessages(400ms);
  EXPECT_EQ(timeouts, 0);
}
