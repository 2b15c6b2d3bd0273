// The main window from the keyboard, with real key presses through the dialog manager: Enter,
// Escape and Space end nothing, the focus starts on the device list where Enter is Connect, Tab
// runs in reading order, the arrows move between the shortcuts, Alt+F4 closes; the skin's focus
// mark follows the keyboard; enabled and disabled shortcut captions differ in contrast.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "skin/skin_draw.h"
#include "ui/main/tests/main_window_fixture.h"

using namespace std::chrono_literals;

namespace {
// Dispatches as a dialog's modal loop does: keys go through the dialog manager first.
void PumpAsDialog(std::chrono::milliseconds duration) {
  const auto end = std::chrono::steady_clock::now() + duration;
  while (std::chrono::steady_clock::now() < end) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
      if (root && IsDialogMessageW(root, &message)) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Sleep(5);
  }
}

void Press(WORD key, WORD modifier = 0) {
  std::vector<INPUT> inputs;
  auto add = [&inputs](WORD virtualKey, bool release) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(input);
  };
  if (modifier) add(modifier, false);
  add(key, false);
  add(key, true);
  if (modifier) add(modifier, true);
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  PumpAsDialog(120ms);
}

double Luminance(COLORREF colour) {
  auto channel = [](int value) {
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(GetRValue(colour)) + 0.7152 * channel(GetGValue(colour)) + 0.0722 * channel(GetBValue(colour));
}

double Contrast(COLORREF a, COLORREF b) {
  const double lighter = std::max(Luminance(a), Luminance(b));
  const double darker = std::min(Luminance(a), Luminance(b));
  return (lighter + 0.05) / (darker + 0.05);
}

class MainWindowKeyboard : public MainWindowTest {
 protected:
  void OpenInFront() {
    Open();
    window.ShowWindow(SW_SHOW);
    SetCursorPos(0, 0);  // no button under the pointer
    SetForegroundWindow(window.GetSafeHwnd());
    PumpAsDialog(100ms);
  }
  int FocusedId() const { return GetDlgCtrlID(GetFocus()); }
  // The caption of a shortcut at its strongest against the button's own background.
  double CaptionContrast(int id) {
    RECT place = window.GetWindowRect();
    RECT button{};
    GetWindowRect(window.GetDlgItem(id), &button);
    PixelCanvas canvas(900, 600);
    canvas.CaptureClient(window.GetSafeHwnd());
    const int left = button.left - place.left, top = button.top - place.top;
    const COLORREF background = canvas.Pixel(left + 250, top + 26);  // right of any caption
    double strongest = 1.0;
    for (int y = top + 14; y < top + 40; ++y) {
      for (int x = left + 56; x < left + 200; ++x) strongest = std::max(strongest, Contrast(canvas.Pixel(x, y), background));
    }
    return strongest;
  }
};
}  // namespace

TEST_F(MainWindowKeyboard, EnterEscapeAndSpaceEndNothingAndTheFocusStartsOnTheDeviceList) {
  OpenInFront();
  for (WORD key : {VK_RETURN, VK_ESCAPE, VK_SPACE, VK_TAB, VK_RETURN}) Press(key);
  ASSERT_TRUE(IsWindow(window.GetSafeHwnd()));
  EXPECT_FALSE(IsIconic(window.GetSafeHwnd()));

  FinishSearch({{"NAS-01", "192.0.2.10"}});
  EXPECT_EQ(FocusedId(), IDC_DEVICE_LIST);
  bool loginOpened = false;
  answerer.OnDialog(IDC_LOGIN_REMEMBER, [&loginOpened](HWND dialog) {
    loginOpened = true;
    ClickControl(dialog, IDC_LOGIN_CANCEL);
  });
  Press(VK_RETURN);  // Connect
  PumpAsDialog(300ms);
  EXPECT_TRUE(loginOpened);
  Press(VK_ESCAPE);
  EXPECT_TRUE(IsWindow(window.GetSafeHwnd()));
}

TEST_F(MainWindowKeyboard, TabRunsInReadingOrderTheArrowsWalkTheShortcutsAndAltF4Closes) {
  OpenInFront();
  FinishSearch({{"NAS-01", "192.0.2.10"}});
  ConnectAs(L"admin", L"secret");
  AcceptLogin();
  SetForegroundWindow(window.GetSafeHwnd());
  SetFocus(window.GetDlgItem(IDC_DEVICE_LIST));
  std::vector<int> order;
  for (int step = 0; step < 15; ++step) {
    Press(VK_TAB);
    order.push_back(FocusedId());
  }
  const std::vector<int> reading = {IDC_CONNECT, IDC_REFRESH, IDC_SHORTCUT_WIZARD, IDC_SHORTCUT_FOLDER,
                                    IDC_SHORTCUT_FILE_CENTER, IDC_SHORTCUT_MANAGEMENT_CENTER,
                                    IDC_SHORTCUT_DOWNLOAD_CENTER, IDC_SHORTCUT_BACKUP_CENTER, IDC_SELECT_SHORTCUT,
                                    IDC_LOGOUT, IDC_SETTINGS, IDC_MAIN_HELP, IDC_MINIMIZE, IDC_CLOSE, IDC_DEVICE_LIST};
  EXPECT_EQ(order, reading);
  Press(VK_TAB, VK_SHIFT);
  EXPECT_EQ(FocusedId(), IDC_CLOSE);

  // The focus mark follows the keyboard and goes when the window hides keyboard cues.
  SetFocus(window.GetDlgItem(IDC_SHORTCUT_WIZARD));
  Press(VK_DOWN);
  EXPECT_EQ(FocusedId(), IDC_SHORTCUT_FOLDER);
  Press(VK_DOWN);
  Press(VK_UP);
  EXPECT_EQ(FocusedId(), IDC_SHORTCUT_FOLDER);
  RECT button{};
  GetWindowRect(window.GetDlgItem(IDC_SHORTCUT_FOLDER), &button);
  MapWindowPoints(nullptr, window.GetSafeHwnd(), reinterpret_cast<POINT*>(&button), 2);
  PixelCanvas canvas(900, 600);
  canvas.CaptureClient(window.GetSafeHwnd());
  EXPECT_TRUE(ColourNear(canvas.Pixel(button.left + 100, button.top), kSkinHighlight));
  window.SendMessage(WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS));
  PumpAsDialog(100ms);
  canvas.CaptureClient(window.GetSafeHwnd());
  EXPECT_FALSE(ColourNear(canvas.Pixel(button.left + 100, button.top), kSkinHighlight));

  Press(VK_ESCAPE);
  ASSERT_TRUE(IsWindow(window.GetSafeHwnd()));
  const HWND closing = window.GetSafeHwnd();
  Press(VK_F4, VK_MENU);
  EXPECT_FALSE(IsWindow(closing));
}

TEST_F(MainWindowKeyboard, EnabledShortcutCaptionsStandOutAndDisabledOnesAreDimmed) {
  OpenInFront();
  FinishSearch({{"NAS-01", "192.0.2.10"}});
  SetFocus(window.GetDlgItem(IDC_DEVICE_LIST));
  PumpAsDialog(100ms);
  const double disabled = CaptionContrast(IDC_SHORTCUT_FILE_CENTER);
  ConnectAs(L"admin", L"secret");
  AcceptLogin();
  SetFocus(window.GetDlgItem(IDC_DEVICE_LIST));
  PumpAsDialog(100ms);
  const double enabled = CaptionContrast(IDC_SHORTCUT_FILE_CENTER);
  EXPECT_GE(enabled, 4.5);
  EXPECT_LT(disabled, 3.0);
}
