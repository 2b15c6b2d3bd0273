#include "controls_test_dialog.h"

#include <algorithm>

#include "base/messages.h"
#include "skin/controls/input_alerts.h"

namespace controls_test {

namespace {
constexpr ControlPlacement kLayout[] = {
    {kList, {10, 10, 350, 210}},        {kSlider, {360, 10, 373, 210}},    {kCombo, {400, 10, 660, 40}},
    {kAddress, {400, 50, 588, 78}},     {kLooseAddress, {400, 85, 588, 113}}, {kOk, {600, 50, 700, 78}},
    {kEdit, {600, 85, 700, 113}},       {kProgress, {400, 125, 600, 141}}, {kText, {400, 150, 700, 175}},
    {kPicture, {710, 125, 750, 165}},   {kFolders, {230, 220, 749, 420}},  {kVolume, {10, 440, 529, 490}},
};
}  // namespace

int CControlsTestDialog::Count(UINT message) const {
  return static_cast<int>(std::count_if(received.begin(), received.end(),
                                        [message](const Received& entry) { return entry.message == message; }));
}

int CControlsTestDialog::Commands(UINT id) const {
  return static_cast<int>(std::count(commands_.begin(), commands_.end(), id));
}

bool CControlsTestDialog::Open() {
  if (!Create()) return false;
  ShowWindow(SW_SHOWNOACTIVATE);
  UpdateWindow();
  return true;
}

BOOL CControlsTestDialog::OnInitDialog() {
  SetWindowPos(GetSafeHwnd(), HWND_TOP, 0, 0, kClientWidth, kClientHeight, SWP_NOACTIVATE);
  LayOutControls(GetSafeHwnd(), kLayout);
  combo.SubclassDlgItem(kCombo, GetSafeHwnd());
  list.SubclassDlgItem(kList, GetSafeHwnd());
  slider.SubclassDlgItem(kSlider, GetSafeHwnd());
  progress.SubclassDlgItem(kProgress, GetSafeHwnd());
  text.SubclassDlgItem(kText, GetSafeHwnd());
  picture.SubclassDlgItem(kPicture, GetSafeHwnd());
  SetBackgroundImage(kLargeRedBlue);
  return FALSE;
}

bool CControlsTestDialog::OnCommand(WORD id, WORD code, HWND control) {
  if (id == IDOK || id == IDCANCEL || (control && code == BN_CLICKED)) {
    commands_.push_back(id);
    return true;
  }
  return CGdipDialog::OnCommand(id, code, control);
}

LRESULT CControlsTestDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LIST_SCROLLED:
    case WM_CELL_EDITED:
    case WM_FOLDER_OPEN:
    case WM_VSCROLL:
      received.push_back({message, wParam, lParam});
      break;
    case WM_CELL_CHOICES:
      received.push_back({message, wParam, lParam});
      *reinterpret_cast<CellChoices*>(lParam) = choices;
      return 0;
    default:
      break;
  }
  return CGdipDialog::WindowProc(message, wParam, lParam);
}

namespace {
void RecordBox(HWND, const std::wstring& text) { RecordedAlerts::Boxes().push_back(text); }
void RecordBeep() { ++RecordedAlerts::Beeps(); }
}  // namespace

RecordedAlerts::RecordedAlerts() {
  Boxes().clear();
  Beeps() = 0;
  SetErrorBoxFunction(&RecordBox);
  SetBeepFunction(&RecordBeep);
}

RecordedAlerts::~RecordedAlerts() {
  SetErrorBoxFunction(nullptr);
  SetBeepFunction(nullptr);
}

std::vector<std::wstring>& RecordedAlerts::Boxes() {
  static std::vector<std::wstring> boxes;
  return boxes;
}

int& RecordedAlerts::Beeps() {
  static int beeps = 0;
  return beeps;
}

}  // namespace controls_test
