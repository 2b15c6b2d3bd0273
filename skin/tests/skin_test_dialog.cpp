#include "skin_test_dialog.h"

namespace skin_test {

namespace {
// Pixel positions, as the program's dialogs place their controls.
constexpr ControlPlacement kLayout[] = {
    {kPush, {10, 10, 120, 44}},         {kCheck, {10, 60, 160, 82}},
    {kRadioOne, {10, 90, 160, 110}},    {kRadioTwo, {10, 115, 160, 135}},
    {kRadioThree, {10, 140, 160, 160}}, {kIconRadio, {170, 10, 390, 68}},
    {kShortcut, {170, 80, 390, 132}},   {kProcess, {170, 140, 254, 187}},
    {kUnderline, {170, 195, 390, 225}}, {kBottomIcon, {170, 235, 320, 255}},
    {kRepeat, {10, 170, 120, 204}},
};
}  // namespace

int CSkinTestDialog::Commands(UINT id) const {
  auto found = commands_.find(id);
  return found == commands_.end() ? 0 : found->second;
}

bool CSkinTestDialog::Open() {
  if (!Create()) return false;
  ShowWindow(SW_SHOWNOACTIVATE);
  UpdateWindow();
  return true;
}

BOOL CSkinTestDialog::OnInitDialog() {
  RECT frame{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, GetStyle(), FALSE, static_cast<DWORD>(GetWindowLongPtrW(GetSafeHwnd(), GWL_EXSTYLE)));
  SetWindowPos(GetSafeHwnd(), HWND_TOP, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOACTIVATE);
  LayOutControls(GetSafeHwnd(), kLayout);

  push.SubclassDlgItem(kPush, GetSafeHwnd());
  check.SubclassDlgItem(kCheck, GetSafeHwnd());
  radioOne.SubclassDlgItem(kRadioOne, GetSafeHwnd());
  radioTwo.SubclassDlgItem(kRadioTwo, GetSafeHwnd());
  radioThree.SubclassDlgItem(kRadioThree, GetSafeHwnd());
  repeat.SubclassDlgItem(kRepeat, GetSafeHwnd());
  push.LoadImages(kRed, kGreen, kBlue);
  check.LoadImages(kRed, kGreen, kBlue);
  for (CGdipButton* radio : {&radioOne, &radioTwo, &radioThree}) radio->LoadImages(kRed, kGreen, kBlue);
  repeat.LoadImages(kRed, kGreen, kBlue);
  repeat.SetAutoRepeat(true);
  iconRadio.SubclassDlgItem(kIconRadio, GetSafeHwnd());
  iconRadio.LoadImages(kBlue, kRed, kGreen, kGrey);
  iconRadio.SetTitle(L"Stand");
  iconRadio.SetDescription(L"Each hard drive is its own volume.");
  shortcut.SubclassDlgItem(kShortcut, GetSafeHwnd());
  shortcut.LoadImages(kGrey, kBlue, kGreen, kRed, kBlue);
  process.SubclassDlgItem(kProcess, GetSafeHwnd());
  underline.SubclassDlgItem(kUnderline, GetSafeHwnd());
  bottomIcon.SubclassDlgItem(kBottomIcon, GetSafeHwnd());
  for (CSkinButton* button : std::initializer_list<CSkinButton*>{&push, &check, &iconRadio, &shortcut, &underline}) {
    button->SetToolTipText(button->GetWindowText());
  }
  SetBackgroundImage(backgroundId_);
  return FALSE;
}

bool CSkinTestDialog::OnCommand(WORD id, WORD code, HWND control) {
  if (code == BN_CLICKED && control) {
    ++commands_[id];
    return true;
  }
  return CGdipDialog::OnCommand(id, code, control);
}

LRESULT CSkinTestDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  // A request to start the system's move loop is counted instead of run, so the test goes on.
  if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_MOVE) {
    ++moveRequests_;
    return 0;
  }
  return CGdipDialog::WindowProc(message, wParam, lParam);
}

}  // namespace skin_test
