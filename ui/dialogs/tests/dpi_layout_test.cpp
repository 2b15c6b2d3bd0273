// The dialogs laid out at their window's DPI: moved to a screen of another scale (WM_DPICHANGED),
// a dialog takes the new size and every shown control its rectangle at the new scale, and the
// labels are drawn in fonts made for it.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/dpi.h"
#include "framework/tests/support/modal_answerer.h"
#include "framework/tests/support/ui_test_support.h"
#include "res/resource.h"
#include "skin/skin_draw.h"
#include "ui/common/tests/support/dpi_checks.h"
#include "ui/dialogs/login_dialog.h"
#include "ui/dialogs/setting_ip_dialog.h"
#include "ui/dialogs/settings_dialog.h"

namespace {
// Runs `dialog` modally, takes its layout, moves it to a screen of twice the DPI, takes it again
// and closes it with `closeId`.
template <typename Dialog>
std::pair<WindowPlacement, WindowPlacement> LayoutsAcrossDpiChange(Dialog& dialog, int readyId, int closeId,
                                                                   SIZE size96) {
  CModalAnswerer answerer;
  std::pair<WindowPlacement, WindowPlacement> layouts;
  answerer.OnDialog(readyId, [&](HWND window) {
    layouts.first = PlacementOf(window);
    MoveToScreenOf(window, layouts.first.dpi * 2, size96);
    layouts.second = PlacementOf(window);
    ClickControl(window, closeId);
  });
  dialog.DoModal();
  return layouts;
}
}  // namespace

TEST(DpiLayout, LoginDialogStartsAtItsDpiAndFollowsAScreenOfAnotherScale) {
  CLoginDialog dialog(nullptr);
  constexpr SIZE kSize96{605, 397};
  const auto [before, after] = LayoutsAcrossDpiChange(dialog, IDC_LOGIN_REMEMBER, IDC_LOGIN_CANCEL, kSize96);
  ASSERT_GT(before.dpi, 0u);
  EXPECT_TRUE(NearPixels(before.size.cx, ScaleToDpi(kSize96.cx, before.dpi)) &&
              NearPixels(before.size.cy, ScaleToDpi(kSize96.cy, before.dpi)))
      << before.size.cx << " x " << before.size.cy << " at " << before.dpi;
  EXPECT_EQ(after.dpi, before.dpi * 2);
  EXPECT_TRUE(NearPixels(after.size.cx, ScaleToDpi(kSize96.cx, after.dpi)) &&
              NearPixels(after.size.cy, ScaleToDpi(kSize96.cy, after.dpi)))
      << after.size.cx << " x " << after.size.cy << " at " << after.dpi;
  ExpectScaled(before, after);
  // The user name field at 96 DPI is 320 x 28.
  for (const PlacedControl& control : after.controls) {
    if (control.id != IDC_LOGIN_USER_NAME) continue;
    EXPECT_TRUE(NearPixels(control.rect.right - control.rect.left, ScaleToDpi(320, after.dpi)));
    EXPECT_TRUE(NearPixels(control.rect.bottom - control.rect.top, ScaleToDpi(28, after.dpi)));
  }
}

TEST(DpiLayout, SettingsDialogFollowsAScreenOfAnotherScale) {
  CSettingsDialog dialog(nullptr);
  constexpr SIZE kSize96{772, 503};
  const auto [before, after] = LayoutsAcrossDpiChange(dialog, IDC_SETTINGS_OK, IDC_SETTINGS_CANCEL, kSize96);
  EXPECT_TRUE(NearPixels(after.size.cx, ScaleToDpi(kSize96.cx, after.dpi)) &&
              NearPixels(after.size.cy, ScaleToDpi(kSize96.cy, after.dpi)));
  ExpectScaled(before, after);
}

namespace {
// A label of a table with the font role it has there.
struct LabelRole {
  int id;
  int fontHeight;
  bool wraps;
};

// Whether the text of `label` in the skin font of `fontHeight` at its window's DPI fits the label:
// one line within its width, or wrapped within its height.
bool TextFits(HWND label, int fontHeight, bool wraps, std::wstring& why) {
  wchar_t text[512] = {};
  GetWindowTextW(label, text, 512);
  RECT client{};
  GetClientRect(label, &client);
  const FontHandle font = CreateSkinFont(WindowDpi(label), fontHeight);
  HDC dc = GetDC(label);
  HGDIOBJ old = SelectObject(dc, font.Get());
  RECT needed = client;
  DrawTextW(dc, text, -1, &needed, DT_CALCRECT | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
  SelectObject(dc, old);
  ReleaseDC(label, dc);
  const bool fits = wraps ? needed.bottom <= client.bottom : needed.right <= client.right;
  if (!fits) {
    why = std::wstring(text) + L" needs " + std::to_wstring(needed.right) + L" x " + std::to_wstring(needed.bottom) +
          L", has " + std::to_wstring(client.right) + L" x " + std::to_wstring(client.bottom);
  }
  return fits;
}

// Opens `Dialog` modally in each interface language and calls `check` at the process's DPI and
// again at twice that, then closes it with `closeId`.
template <typename Dialog>
void InEveryLanguageAtTwoScales(int readyId, int closeId, SIZE size96,
                                const std::function<void(HWND window, int language)>& check) {
  InEveryLanguage([&](int language) {
    Dialog dialog(nullptr);
    CModalAnswerer answerer;
    answerer.OnDialog(readyId, [&](HWND window) {
      AtTwoScales(window, size96, [&] { check(window, language); });
      ClickControl(window, closeId);
    });
    dialog.DoModal();
  });
}

std::wstring Where(HWND window, int language) {
  return L"language " + std::to_wstring(language) + L" at " + std::to_wstring(WindowDpi(window)) + L" DPI: ";
}

// The login dialog's labels, with the font roles its table gives them.
std::vector<std::wstring> CutLoginTexts() {
  constexpr LabelRole kLabels[] = {
      {IDC_LOGIN_USER_NAME_LABEL, 18, false}, {IDC_LOGIN_PASSWORD_LABEL, 18, false}, {IDC_LOGIN_HINT, 13, true}};
  std::vector<std::wstring> cut;
  InEveryLanguageAtTwoScales<CLoginDialog>(
      IDC_LOGIN_REMEMBER, IDC_LOGIN_CANCEL, {605, 397}, [&](HWND window, int language) {
        for (const LabelRole& label : kLabels) {
          std::wstring why;
          if (!TextFits(GetDlgItem(window, label.id), label.fontHeight, label.wraps, why)) {
            cut.push_back(Where(window, language) + why);
          }
        }
      });
  return cut;
}
}  // namespace

TEST(DpiLayout, LoginLabelsFitTheirTextsInEveryLanguageAtEveryScale) {
  for (const std::wstring& text : CutLoginTexts()) ADD_FAILURE() << std::string(text.begin(), text.end());
}

namespace {
// Every label of a modal dialog, in each interface language, at the process's DPI and at twice that.
template <typename Dialog>
void ExpectEveryTextWhole(const char* what, int readyId, int closeId, SIZE size96) {
  CutTexts cut;
  InEveryLanguageAtTwoScales<Dialog>(readyId, closeId, size96,
                                     [&](HWND window, int language) {
                                       cut.Look(window, language);
                                       ExpectEveryShownControlSeen(window, what);
                                     });
  cut.ExpectNone(what);
}
}  // namespace

TEST(DpiLayout, EveryLabelOfTheLoginAndSettingsDialogsFitsItsTextInEveryLanguageAtEveryScale) {
  ExpectEveryTextWhole<CLoginDialog>("login", IDC_LOGIN_REMEMBER, IDC_LOGIN_CANCEL, {605, 397});
  ExpectEveryTextWhole<CSettingsDialog>("settings", IDC_SETTINGS_OK, IDC_SETTINGS_CANCEL, {772, 503});
}

TEST(DpiLayout, EveryLabelOfTheDeviceIpDialogFitsItsTextInEveryLanguageAtEveryScale) {
  // A device with a static address: the dialog shows every field and label.
  ChosenDevice device;
  device.name = "NAS-01";
  device.address = "198.51.100.7";
  device.mask = "255.255.255.0";
  device.gateway = "198.51.100.1";
  device.dhcpFlag = "0";
  CutTexts cut;
  InEveryLanguage([&](int language) {
    CSettingIpDialog dialog(nullptr, device);
    ASSERT_TRUE(dialog.Create());
    dialog.ShowWindow(SW_SHOWNOACTIVATE);
    AtTwoScales(dialog.GetSafeHwnd(), {605, 397}, [&] {
      cut.Look(dialog.GetSafeHwnd(), language);
      ExpectEveryShownControlSeen(dialog.GetSafeHwnd(), "device IP");
    });
    dialog.DestroyWindow();
  });
  cut.ExpectNone("device IP");
}
