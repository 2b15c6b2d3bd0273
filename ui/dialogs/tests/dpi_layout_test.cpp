// The dialogs laid out at their window's DPI: moved to a screen of another scale (WM_DPICHANGED),
// a dialog takes the new size and every shown control its rectangle at the new scale, and the
// labels are drawn in fonts made for it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "framework/dpi.h"
#include "framework/tests/support/modal_answerer.h"
#include "framework/tests/support/ui_test_support.h"
#include "i18n/current_language.h"
#include "res/resource.h"
#include "ui/dialogs/login_dialog.h"
#include "skin/controls/tests/support/cut_labels.h"
#include "skin/skin_draw.h"
#include "ui/dialogs/settings_dialog.h"

namespace {
struct Placed {
  int id;
  RECT rect;  // in the dialog's client coordinates
};

// What a dialog shows: its size, its DPI and where each shown control is.
struct Layout {
  UINT dpi = 0;
  SIZE size{};
  std::vector<Placed> controls;
};

Layout LayoutOf(HWND dialog) {
  Layout layout;
  layout.dpi = WindowDpi(dialog);
  RECT window{};
  GetWindowRect(dialog, &window);
  layout.size = {window.right - window.left, window.bottom - window.top};
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    layout.controls.push_back({GetDlgCtrlID(child), rect});
  }
  return layout;
}

// Tells `dialog` it is now on a screen of `dpi`, with the rectangle the system would suggest.
void MoveToScreenOf(HWND dialog, UINT dpi, SIZE size96) {
  RECT window{};
  GetWindowRect(dialog, &window);
  RECT suggested{window.left, window.top, window.left + ScaleToDpi(size96.cx, dpi),
                 window.top + ScaleToDpi(size96.cy, dpi)};
  SendMessageW(dialog, kDpiChangedMessage, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

bool Near(int actual, int expected) { return std::abs(actual - expected) <= 2; }

// Every control of `after` is where `before` had it, scaled from the one DPI to the other.
void ExpectScaled(const Layout& before, const Layout& after) {
  ASSERT_EQ(before.controls.size(), after.controls.size());
  for (size_t index = 0; index < before.controls.size(); ++index) {
    const RECT& was = before.controls[index].rect;
    const RECT& is = after.controls[index].rect;
    const auto scaled = [&](LONG value) {
      return MulDiv(value, static_cast<int>(after.dpi), static_cast<int>(before.dpi));
    };
    EXPECT_TRUE(Near(is.left, scaled(was.left)) && Near(is.top, scaled(was.top)) && Near(is.right, scaled(was.right)) &&
                Near(is.bottom, scaled(was.bottom)))
        << "control " << before.controls[index].id << " at " << is.left << "," << is.top << "-" << is.right << ","
        << is.bottom << " after " << before.dpi << " -> " << after.dpi;
  }
}

// Runs `dialog` modally, takes its layout, moves it to a screen of twice the DPI, takes it again
// and closes it with `closeId`.
template <typename Dialog>
std::pair<Layout, Layout> LayoutsAcrossDpiChange(Dialog& dialog, int readyId, int closeId, SIZE size96) {
  CModalAnswerer answerer;
  std::pair<Layout, Layout> layouts;
  answerer.OnDialog(readyId, [&](HWND window) {
    layouts.first = LayoutOf(window);
    MoveToScreenOf(window, layouts.first.dpi * 2, size96);
    layouts.second = LayoutOf(window);
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
  EXPECT_TRUE(Near(before.size.cx, ScaleToDpi(kSize96.cx, before.dpi)) &&
              Near(before.size.cy, ScaleToDpi(kSize96.cy, before.dpi)))
      << before.size.cx << " x " << before.size.cy << " at " << before.dpi;
  EXPECT_EQ(after.dpi, before.dpi * 2);
  EXPECT_TRUE(Near(after.size.cx, ScaleToDpi(kSize96.cx, after.dpi)) &&
              Near(after.size.cy, ScaleToDpi(kSize96.cy, after.dpi)))
      << after.size.cx << " x " << after.size.cy << " at " << after.dpi;
  ExpectScaled(before, after);
  // The user name field at 96 DPI is 320 x 28.
  for (const Placed& control : after.controls) {
    if (control.id != IDC_LOGIN_USER_NAME) continue;
    EXPECT_TRUE(Near(control.rect.right - control.rect.left, ScaleToDpi(320, after.dpi)));
    EXPECT_TRUE(Near(control.rect.bottom - control.rect.top, ScaleToDpi(28, after.dpi)));
  }
}

TEST(DpiLayout, SettingsDialogFollowsAScreenOfAnotherScale) {
  CSettingsDialog dialog(nullptr);
  constexpr SIZE kSize96{772, 503};
  const auto [before, after] = LayoutsAcrossDpiChange(dialog, IDC_SETTINGS_OK, IDC_SETTINGS_CANCEL, kSize96);
  EXPECT_TRUE(Near(after.size.cx, ScaleToDpi(kSize96.cx, after.dpi)) &&
              Near(after.size.cy, ScaleToDpi(kSize96.cy, after.dpi)));
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

// Opens `Dialog` in each interface language and calls `check` at the process's DPI and again at
// twice that, then closes it with `closeId`.
template <typename Dialog>
void InEveryLanguageAtTwoScales(int readyId, int closeId, SIZE size96,
                                const std::function<void(HWND window, int language)>& check) {
  for (int language : {kEnglishLanguage, kSimplifiedChineseLanguage, kTraditionalChineseLanguage}) {
    SetLanguage(language);
    Dialog dialog(nullptr);
    CModalAnswerer answerer;
    answerer.OnDialog(readyId, [&](HWND window) {
      check(window, language);
      MoveToScreenOf(window, WindowDpi(window) * 2, size96);
      check(window, language);
      ClickControl(window, closeId);
    });
    dialog.DoModal();
  }
  SetLanguage(-1);  // none again, as the other tests expect: the texts as written
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
// Every label of a dialog, in each interface language, at the process's DPI and at twice that.
template <typename Dialog>
std::vector<std::wstring> CutTextsOf(int readyId, int closeId, SIZE size96) {
  std::vector<std::wstring> cut;
  int checked = 0;
  InEveryLanguageAtTwoScales<Dialog>(readyId, closeId, size96, [&](HWND window, int language) {
    for (const std::wstring& text : CutLabels(window, checked)) cut.push_back(Where(window, language) + text);
  });
  if (checked == 0) cut.push_back(L"no label was found to check");
  return cut;
}
}  // namespace

TEST(DpiLayout, EveryLabelOfTheLoginAndSettingsDialogsFitsItsTextInEveryLanguageAtEveryScale) {
  for (const std::wstring& text : CutTextsOf<CLoginDialog>(IDC_LOGIN_REMEMBER, IDC_LOGIN_CANCEL, {605, 397})) {
    ADD_FAILURE() << "login: " << std::string(text.begin(), text.end());
  }
  for (const std::wstring& text : CutTextsOf<CSettingsDialog>(IDC_SETTINGS_OK, IDC_SETTINGS_CANCEL, {772, 503})) {
    ADD_FAILURE() << "settings: " << std::string(text.begin(), text.end());
  }
}
