// The login dialog: user name, password and "Remember Me" for the device selected in the main
// window. It only collects the three values; the caller pre-fills them, stores or forgets them and
// does the network work.
#pragma once
#include <array>
#include <string>

#include "skin/controls/gdip_icon_static.h"
#include "skin/gdip_button.h"
#include "skin/gdip_dialog.h"
#include "framework/controls.h"
#include "ui/common/window_layout.h"

class CLoginDialog : public CGdipDialog {
 public:
  explicit CLoginDialog(HWND owner);

  // The values shown at start: the edits filled and "Remember Me" ticked when `remember`.
  void SetValues(const std::wstring& userName, const std::wstring& password, bool remember);

  // The confirmed values after OK; the ones set before otherwise.
  const std::wstring& UserName() const { return userName_; }
  const std::wstring& Password() const { return password_; }
  bool Remember() const { return remember_; }

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  void OnOK() override;
  void LayOut() override;

 private:
  void SetUpControls();

  CGdipIconStatic logo_;
  std::array<CEdit, 2> edits_;          // user name, password
  CGdipButton rememberBox_;
  CGdipButton ok_;
  CGdipButton cancel_;
  CGdipButton modifyPassword_;
  WindowLayout layout_;

  std::wstring userName_;
  std::wstring password_;
  bool remember_ = false;
};
