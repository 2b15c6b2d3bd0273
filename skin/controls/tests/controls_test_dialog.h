// A skinned dialog with one of each control, placed over a background whose left half is red and
// right half blue (the border at x 380), which records what the controls tell it; and a recorder
// of the error boxes and beeps the controls would show.
#pragma once
#include <string>
#include <vector>

#include "skin/controls/folder_list_ctrl.h"
#include "skin/controls/gdip_combo_box.h"
#include "skin/controls/gdip_icon_static.h"
#include "skin/controls/gdip_ip_addr_ctl.h"
#include "skin/controls/gdip_list_ctrl.h"
#include "skin/controls/gdip_process_ctrl.h"
#include "skin/controls/gdip_slider.h"
#include "skin/controls/trans_static.h"
#include "skin/controls/volume_info_ctrl.h"
#include "skin/gdip_dialog.h"

namespace controls_test {

enum : UINT {
  kRed = 9001, kGreen, kBlue, kGrey, kSmallGreen, kLargeRedBlue,
  kDialog = 9200,
  kCombo = 9201, kList, kSlider, kAddress, kLooseAddress, kOk, kFolders, kVolume, kProgress, kText, kPicture, kEdit,
};

inline constexpr int kClientWidth = 760;
inline constexpr int kClientHeight = 560;
inline constexpr int kRedBlueBorder = 380;

struct Received {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

class CControlsTestDialog : public CGdipDialog {
 public:
  CControlsTestDialog() : CGdipDialog(kDialog) {}

  CGdipComboBox combo;
  CGdipListCtrl list;
  CGdipSlider slider;
  CGdipProcessCtrl progress;
  CTransStatic text;
  CGdipIconStatic picture;
  CGdipIpAddrCtl& Address() const { return *CGdipIpAddrCtl::FromWindow(GetDlgItem(kAddress)); }
  CGdipIpAddrCtl& LooseAddress() const { return *CGdipIpAddrCtl::FromWindow(GetDlgItem(kLooseAddress)); }
  CFolderListCtrl& Folders() const { return *CFolderListCtrl::FromWindow(GetDlgItem(kFolders)); }
  CVolumeInfoCtrl& Volume() const { return *CVolumeInfoCtrl::FromWindow(GetDlgItem(kVolume)); }

  // The choices the dialog offers for a cell (WM_CELL_CHOICES).
  CellChoices choices;
  std::vector<Received> received;
  int Count(UINT message) const;
  int Commands(UINT id) const;

  // Creates the dialog modelessly and shows it at the top-left of the screen without activating it
  // (an active window takes Wine two seconds to hide); the tests set the focus themselves.
  bool Open();

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  std::vector<UINT> commands_;
};

// While alive, error boxes and beeps are recorded instead of shown.
class RecordedAlerts {
 public:
  RecordedAlerts();
  ~RecordedAlerts();
  RecordedAlerts(const RecordedAlerts&) = delete;
  RecordedAlerts& operator=(const RecordedAlerts&) = delete;

  static std::vector<std::wstring>& Boxes();
  static int& Beeps();
};

}  // namespace controls_test
