// Window tests at other scales: where a window's shown controls are, a move to a screen of another
// DPI (WM_DPICHANGED as the system sends it), and the walk through the three interface languages at
// the window's DPI and at twice it that collects the labels whose texts are cut.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "framework/dpi.h"
#include "i18n/current_language.h"
#include "skin/controls/tests/support/cut_labels.h"

inline constexpr int kInterfaceLanguages[] = {kEnglishLanguage, kSimplifiedChineseLanguage,
                                              kTraditionalChineseLanguage};

struct PlacedControl {
  int id;
  RECT rect;  // in the window's client coordinates
};

// What a window shows: its size, its DPI and where each of its shown controls is.
struct WindowPlacement {
  UINT dpi = 0;
  SIZE size{};
  std::vector<PlacedControl> controls;
};

inline WindowPlacement PlacementOf(HWND window) {
  WindowPlacement placement;
  placement.dpi = WindowDpi(window);
  RECT outer{};
  GetWindowRect(window, &outer);
  placement.size = {outer.right - outer.left, outer.bottom - outer.top};
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    placement.controls.push_back({GetDlgCtrlID(child), rect});
  }
  return placement;
}

// Every shown control of `window` is seen: a control clipped by a window region (a list whose
// scroll bar is cut off) keeps at least three quarters of its width and height in view. A region
// made before the layout gave the control its size hides it whole.
inline void ExpectEveryShownControlSeen(HWND window, const char* what) {
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const int kind = GetWindowRgn(child, region);
    RECT seen{};
    GetRgnBox(region, &seen);
    DeleteObject(region);
    if (kind == ERROR) continue;  // no region: the whole window is seen
    RECT outer{};
    GetWindowRect(child, &outer);
    EXPECT_TRUE(4 * (seen.right - seen.left) >= 3 * (outer.right - outer.left) &&
                4 * (seen.bottom - seen.top) >= 3 * (outer.bottom - outer.top))
        << what << ": control " << GetDlgCtrlID(child) << " shows " << seen.right - seen.left << " x "
        << seen.bottom - seen.top << " of " << outer.right - outer.left << " x " << outer.bottom - outer.top;
  }
}

// Where `control` is in the client coordinates of `parent`.
inline RECT PlaceIn(HWND parent, HWND control) {
  RECT place{};
  GetWindowRect(control, &place);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
  return place;
}
inline RECT PlaceIn(HWND parent, int id) { return PlaceIn(parent, GetDlgItem(parent, id)); }

// Tells top-level `window` it is now on a screen of `dpi`, with the rectangle the system would
// suggest for a window of `size96` at 96 DPI.
inline void MoveToScreenOf(HWND window, UINT dpi, SIZE size96) {
  RECT outer{};
  GetWindowRect(window, &outer);
  RECT suggested{outer.left, outer.top, outer.left + ScaleToDpi(size96.cx, dpi),
                 outer.top + ScaleToDpi(size96.cy, dpi)};
  SendMessageW(window, kDpiChangedMessage, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

// Within the 2 pixels that rounding at another scale may move an edge.
inline bool NearPixels(int actual, int expected) { return std::abs(actual - expected) <= 2; }

inline bool PlacedAtDpi(const RECT& actual, const RECT& at96, UINT dpi) {
  const RECT expected = ScaleToDpi(at96, dpi);
  return NearPixels(actual.left, expected.left) && NearPixels(actual.top, expected.top) &&
         NearPixels(actual.right, expected.right) && NearPixels(actual.bottom, expected.bottom);
}

// `placement` is a window of `size96` at 96 DPI, at its own DPI.
inline void ExpectSizedAtDpi(const WindowPlacement& placement, SIZE size96) {
  EXPECT_TRUE(NearPixels(placement.size.cx, ScaleToDpi(size96.cx, placement.dpi)) &&
              NearPixels(placement.size.cy, ScaleToDpi(size96.cy, placement.dpi)))
      << placement.size.cx << " x " << placement.size.cy << " at " << placement.dpi << " DPI";
}

// Every control of `after` is where `before` had it, scaled from the one DPI to the other.
inline void ExpectScaled(const WindowPlacement& before, const WindowPlacement& after) {
  ASSERT_EQ(before.controls.size(), after.controls.size());
  for (size_t index = 0; index < before.controls.size(); ++index) {
    const RECT& was = before.controls[index].rect;
    const RECT& is = after.controls[index].rect;
    const auto scaled = [&](LONG value) {
      return MulDiv(value, static_cast<int>(after.dpi), static_cast<int>(before.dpi));
    };
    EXPECT_TRUE(NearPixels(is.left, scaled(was.left)) && NearPixels(is.top, scaled(was.top)) &&
                NearPixels(is.right, scaled(was.right)) && NearPixels(is.bottom, scaled(was.bottom)))
        << "control " << before.controls[index].id << " at " << was.left << "," << was.top << "-" << was.right << ","
        << was.bottom << " at " << before.dpi << " DPI is at " << is.left << "," << is.top << "-" << is.right << ","
        << is.bottom << " at " << after.dpi;
  }
}

// Calls `look` once in each interface language, with that language set, so that the windows it
// makes show its texts; then sets none again, as the other tests expect: the texts as written.
inline void InEveryLanguage(const std::function<void(int language)>& look) {
  for (int language : kInterfaceLanguages) {
    SetLanguage(language);
    look(language);
  }
  SetLanguage(-1);
}

// Calls `look` at the DPI of top-level `window` (a window of `size96` at 96 DPI), then moves it to a
// screen of twice that DPI and calls `look` again.
inline void AtTwoScales(HWND window, SIZE size96, const std::function<void()>& look) {
  look();
  MoveToScreenOf(window, WindowDpi(window) * 2, size96);
  look();
}

// The largest scale the skin is drawn for: 200 %.
inline constexpr UINT kLargestSkinDpi = 2 * kBaseDpi;

// As AtTwoScales for the large windows (the main window, the wizard), whose move to a screen of
// twice a high DPI takes Wine a second or more: twice the DPI only while that stays within the
// skin's largest scale, that is from 96 to 192 DPI. A run started at a higher DPI checks that scale.
inline void AtItsScaleAndTwiceWithinTheSkin(HWND window, SIZE size96, const std::function<void()>& look) {
  look();
  if (WindowDpi(window) * 2 > kLargestSkinDpi) return;
  MoveToScreenOf(window, WindowDpi(window) * 2, size96);
  look();
}

// The labels whose texts are cut, gathered over windows, languages and scales, each said with the
// language and the DPI it was cut at.
class CutTexts {
 public:
  // Looks at every shown label among the children of `window`, in the interface language `language`.
  void Look(HWND window, int language) {
    for (const std::wstring& text : CutLabels(window, checked_)) {
      cut_.push_back(L"language " + std::to_wstring(language) + L" at " + std::to_wstring(WindowDpi(window)) +
                     L" DPI: " + text);
    }
  }
  // Each cut text is a failure of `what`, and so is finding no label at all.
  void ExpectNone(const char* what) const {
    for (const std::wstring& text : cut_) ADD_FAILURE() << what << ": " << Utf8(text);
    EXPECT_GT(checked_, 0) << what << ": no label was found to check";
  }

 private:
  static std::string Utf8(const std::wstring& text) {
    std::string bytes(text.size() * 3, '\0');
    bytes.resize(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(),
                                     static_cast<int>(bytes.size()), nullptr, nullptr));
    return bytes;
  }

  std::vector<std::wstring> cut_;
  int checked_ = 0;
};
