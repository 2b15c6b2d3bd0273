// A skinned dialog with one button of each class, as the program's dialogs build theirs, which
// records what reaches it.
#pragma once
#include <map>

#include "skin/bottom_icon_button.h"
#include "skin/gdip_button.h"
#include "skin/gdip_dialog.h"
#include "skin/icon_radio_button.h"
#include "skin/process_button.h"
#include "skin/shortcut_button.h"
#include "skin/underline_button.h"

namespace skin_test {

// Resource ids of tests/skin_test.rc.
enum : UINT {
  kRed = 9001, kGreen, kBlue, kGrey, kSmallGreen, kLargeRedBlue,
  kDialog = 9100,
  kPush = 9101, kCheck, kRadioOne, kRadioTwo, kRadioThree, kIconRadio, kShortcut, kProcess,
  kUnderline, kBottomIcon, kRepeat,
};

// The client size the tests work with.
inline constexpr int kClientWidth = 400;
inline constexpr int kClientHeight = 300;

class CSkinTestDialog : public CGdipDialog {
 public:
  explicit CSkinTestDialog(UINT backgroundId = kGrey) : CGdipDialog(kDialog), backgroundId_(backgroundId) {}

  CGdipButton push, check, radioOne, radioTwo, radioThree, repeat;
  CIconRadioButton iconRadio;
  CShortCutButton shortcut;
  CProcessButton process;
  CUnderLineButton underline;
  CBottomIconButton bottomIcon;

  int Commands(UINT id) const;
  int MoveRequests() const { return moveRequests_; }
  // Creates the dialog modelessly, shows it at the top-left of the screen.
  bool Open();

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  UINT backgroundId_;
  std::map<UINT, int> commands_;
  int moveRequests_ = 0;
};

}  // namespace skin_test
