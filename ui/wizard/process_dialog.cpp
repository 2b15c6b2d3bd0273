#include "ui/wizard/process_dialog.h"

#include "i18n/win/win_language.h"
#include "net/device_commands.h"
#include "res/resource.h"
#include "ui/common/button_looks.h"
#include "framework/message_box.h"
#include "ui/network/network_door.h"
#include "ui/wizard/wizard_shape.h"

namespace {
// The texts follow the format's progress: the window sets them.
constexpr FontRole kTextFont{13};
constexpr ControlPlacement kLayout[] = {
    {.id = IDC_FORMAT_TITLE, .rect = {0, 166, 774, 189}, .font = {18, FW_THIN, DT_SINGLELINE | DT_BOTTOM | DT_CENTER}},
    {IDC_FORMAT_PROGRESS, {203, 216, 560, 232}},
    {.id = IDC_FORMAT_PERCENT, .rect = {574, 214, 611, 229}, .font = kTextFont},
    {.id = IDC_FORMAT_MESSAGE, .rect = {202, 249, 560, 300}, .font = kTextFont},
    {IDC_FORMAT_SUCCESS_PICTURE, {357, 105, 412, 160}},
    {IDC_FORMAT_OK, {272, 435, 382, 469}},
    {IDC_FORMAT_CANCEL, {392, 435, 502, 469}},
    {IDC_FORMAT_CLOSE, {723, 12, 748, 37}},
};
constexpr int kEndButtons[] = {IDC_FORMAT_OK, IDC_FORMAT_CANCEL, IDC_FORMAT_CLOSE};

// Both timers belong to this dialog: the poll of the format state and the watch over each step.
constexpr UINT_PTR kPollTimer = 1;
constexpr UINT_PTR kWatchTimer = 2;
}  // namespace

CProcessDialog::CProcessDialog(const VolumeRequest* plan, HWND owner, const ChosenDevice& device, unsigned watchMs)
    : CNetworkWindow(IDD_FORMAT_PROGRESS, owner), plan_(plan), device_(device), watchMs_(watchMs), layout_(kLayout) {}

CProcessDialog::~CProcessDialog() = default;

void CProcessDialog::LayOut() {
  ApplyWindowShape(GetSafeHwnd(), kWizardShape);
  layout_.Apply(GetSafeHwnd());
}

BOOL CProcessDialog::OnInitDialog() {
  SetUpControls();
  LayOut();
  CenterWindow();
  SetBackgroundImage(IDB_WIZARD_BACKGROUND);
  EnableEndButtons(false);
  success_.ShowWindow(SW_HIDE);
  Carry(sequence_.Start());
  return TRUE;
}

void CProcessDialog::SetUpControls() {
  const HWND dialog = GetSafeHwnd();
  title_.SubclassDlgItem(IDC_FORMAT_TITLE, dialog);
  title_.SetText(Tr(L"Format Hard Drives"));
  SetWindowText(Tr(L"Format Hard Drives"));
  progress_.SubclassDlgItem(IDC_FORMAT_PROGRESS, dialog);
  progress_.LoadImages(IDB_FORMAT_BAR, IDB_FORMAT_BAR_LEFT, IDB_FORMAT_BAR_MIDDLE, IDB_FORMAT_BAR_RIGHT);
  progress_.SendMessage(PBM_SETRANGE, 0, MAKELPARAM(0, 100));
  progress_.SendMessage(PBM_SETPOS, 0);
  percent_.SubclassDlgItem(IDC_FORMAT_PERCENT, dialog);
  percent_.SetText(L"0%");
  text_.SubclassDlgItem(IDC_FORMAT_MESSAGE, dialog);
  text_.SetText(Tr(L"Please be patient while QB-550 creates your volume(s). Do not turn off the NAS at this stage."));
  success_.SubclassDlgItem(IDC_FORMAT_SUCCESS_PICTURE, dialog);
  success_.SetImage(IDB_SUCCESS);
  ApplyButtonLooks(dialog,
                   {{ok_, IDC_FORMAT_OK, L"OK", L"OK", IDB_BUTTON, IDB_BUTTON_ACTIVE, IDB_BUTTON_ACTIVE},
                    {cancel_, IDC_FORMAT_CANCEL, L"Cancel", L"Cancel", IDB_BUTTON, IDB_BUTTON_ACTIVE, IDB_BUTTON_ACTIVE},
                    {close_, IDC_FORMAT_CLOSE, nullptr, L"Close", IDB_CLOSE_NORMAL, IDB_CLOSE_HOVER, IDB_CLOSE_PRESSED}});
  ok_.SetDrawText(true);
  cancel_.SetDrawText(true);
  close_.SetDrawText(false);
}

void CProcessDialog::EnableEndButtons(bool enable) {
  for (const int id : kEndButtons) ::EnableWindow(GetDlgItem(id), enable);
}

bool CProcessDialog::OnCommand(WORD id, WORD code, HWND control) {
  switch (id) {
    case IDC_FORMAT_OK:
      EndDialog(IDOK);
      return true;
    case IDC_FORMAT_CANCEL:
    case IDC_FORMAT_CLOSE:
      EndDialog(IDCANCEL);
      return true;
    default:
      return CNetworkWindow::OnCommand(id, code, control);
  }
}

void CProcessDialog::OnTimer(UINT_PTR id) {
  if (id == kPollTimer) Carry(sequence_.PollTick());
  if (id == kWatchTimer) Carry(sequence_.WatchExpired());
}

void CProcessDialog::OnDiskStepDone(int cmdIndex, int result) { Carry(sequence_.StepDone(cmdIndex, result)); }
void CProcessDialog::OnVolumeCreated(int value) { Carry(sequence_.VolumeCreated(value)); }
void CProcessDialog::OnFormatState(int state, int percent) { Carry(sequence_.StateRead(state, percent)); }

bool CProcessDialog::Launch(CgiCommand command) {
  lastLaunch_ = NetworkDoor().SendCommand(GetSafeHwnd(), device_, command, FormatStepBody(command, plan_));
  return lastLaunch_ != 0;
}

void CProcessDialog::ShowMessage(const wchar_t* english) { ShowProgramMessage(GetSafeHwnd(), Tr(english)); }

void CProcessDialog::SetPolling(bool on) {
  if (on) {
    SetTimer(kPollTimer, kFormatPollMs);
  } else {
    KillTimer(kPollTimer);
  }
}

void CProcessDialog::SetWatch(bool on) {
  // Setting a running timer again starts its period afresh.
  if (on) {
    SetTimer(kWatchTimer, watchMs_);
  } else {
    KillTimer(kWatchTimer);
  }
}

void CProcessDialog::ShowProgress(int percent) {
  progress_.SendMessage(PBM_SETPOS, static_cast<WPARAM>(percent));
  percent_.SetText(TrFormat(L"%d%%", percent));
}

void CProcessDialog::ShowComplete() {
  title_.SetText(Tr(L"Complete"));
  text_.SetText(Tr(L"Congratulations!! The Formation process is complete.Please enter the OK button to finish the "
                   L"Wizard. Thanks."));
  success_.ShowWindow(SW_SHOW);
  percent_.ShowWindow(SW_HIDE);
  progress_.ShowWindow(SW_HIDE);
}

void CProcessDialog::ShowFailed(const wchar_t* english) {
  // The bar and the percentage stay where the run stopped; the plea for patience gives way to the
  // failure.
  text_.SetText(Tr(english));
}
