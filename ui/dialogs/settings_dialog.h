// The settings dialog: how long a logged-in user may stay idle before the automatic logout. OK
// makes the chosen time InactivityTimeout; the caller stores it and restarts the watch. Cancel,
// the close button and a close from outside (the inactivity logout itself) change nothing.
//
// A second page of shortcut check boxes exists in the template behind a tab that is never shown;
// it can be switched to but stores nothing.
#pragma once
#include <array>

#include "skin/controls/gdip_icon_static.h"
#include "skin/gdip_button.h"
#include "skin/gdip_dialog.h"
#include "skin/underline_button.h"
#include "ui/common/window_layout.h"

class CSettingsDialog : public CGdipDialog {
 public:
  static constexpr int kTimeChoiceCount = 7;
  static constexpr int kShortcutBoxCount = 10;
  enum class Page { kShortcuts = 0, kLogoutTime = 1 };

  explicit CSettingsDialog(HWND owner);

  Page CurrentPage() const { return page_; }

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  void OnOK() override;
  void LayOut() override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void SetUpControls();
  void ShowPage(Page page);
  void TickStoredChoice();

  Page page_ = Page::kLogoutTime;
  CGdipIconStatic logo_;
  WindowLayout layout_;
  std::array<CUnderLineButton, 2> tabs_;  // logout time, shortcuts
  std::array<CGdipButton, kTimeChoiceCount> timeChoices_;
  std::array<CGdipButton, kShortcutBoxCount> shortcutBoxes_;
  CGdipButton ok_;
  CGdipButton cancel_;
  CGdipButton close_;
};
