#include "ui/wizard/wizard_page.h"

#include "i18n/win/win_language.h"
#include "net/device_commands.h"
#include "framework/dpi.h"
#include "skin/skin_draw.h"
#include "framework/message_box.h"
#include "ui/network/network_door.h"
#include "ui/wizard/wizard_dialog.h"

CWizardPage::~CWizardPage() = default;

void CWizardPage::Attach(CWizardDialogBase* frame, HWND frameWindow) {
  frame_ = frame;
  frameWindow_ = frameWindow;
}

void CWizardPage::Assign(const std::wstring& name, UINT templateId) {
  pageName_ = name;
  SetTemplateId(templateId);
}

const ChosenDevice& CWizardPage::Device() const {
  static const ChosenDevice kNone;
  return frame_ ? frame_->Device() : kNone;
}

BOOL CWizardPage::OnInitDialog() {
  SetUpControls();
  LayOut();
  return TRUE;
}

void CWizardPage::LayOut() {
  const UINT dpi = WindowDpi(GetSafeHwnd());
  const RECT area = ScaleToDpi(kWizardPageArea, dpi);
  SetWindowPos(GetSafeHwnd(), nullptr, area.left, area.top, RectWidth(area), RectHeight(area),
               SWP_NOZORDER | SWP_NOACTIVATE);
  layout_.Apply(GetSafeHwnd());
  OnLaidOut(dpi);
}

LRESULT CWizardPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) background_.Release();
  if (message == kDpiChangedAfterParentMessage) {
    // The frame's background under the page was rendered again.
    background_.Release();
    LayOut();
  }
  return CNetworkWindow::WindowProc(message, wParam, lParam);
}

int CWizardPage::FetchWizardInfo() {
  lastLaunch_ = NetworkDoor().SendCommand(GetSafeHwnd(), Device(), kGetWizardInfo, GetWizardInfoBody());
  if (lastLaunch_ == 0) ShowProgramMessage(GetSafeHwnd(), Tr(L"Get wizard information failed."));
  return lastLaunch_;
}

bool CWizardPage::WizardInfoArrived(int cmdIndex, bool succeeded) {
  if (cmdIndex != kGetWizardInfo) return false;
  if (!succeeded) {
    ShowProgramMessage(GetSafeHwnd(), Tr(L"Get wizard information failed."));
    return false;
  }
  return true;
}

const WizardInfoRecord& CWizardPage::DeviceSettings() { return NetworkDoor().DeviceSettings(); }

std::wstring CWizardPage::ControlText(int id) const {
  HWND control = GetDlgItem(id);
  std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<size_t>(::GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

HDC CWizardPage::LentBackground() { return background_.Take(GetSafeHwnd()); }
