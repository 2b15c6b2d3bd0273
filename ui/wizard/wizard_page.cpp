#include "ui/wizard/wizard_page.h"

#include "i18n/win/win_language.h"
#include "net/op_kinds.h"
#include "skin/skin_draw.h"
#include "framework/message_box.h"
#include "ui/network/network_door.h"
#include "ui/wizard/wizard_dialog.h"

namespace {
constexpr int kEditFontHeight = 18;
constexpr int kEditFontWeight = 100;
constexpr BYTE kEditFontPitchAndFamily = 32;
}  // namespace

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
  LayoutControls();
  return TRUE;
}

LRESULT CWizardPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) background_.Release();
  return CNetworkWindow::WindowProc(message, wParam, lParam);
}

int CWizardPage::FetchWizardInfo() {
  lastLaunch_ = NetworkDoor().GetWizardInfo(GetSafeHwnd(), Device());
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

void CWizardPage::SizeToPageArea() {
  SetWindowPos(GetSafeHwnd(), nullptr, 0, 0, kWizardPageArea.right - kWizardPageArea.left,
               kWizardPageArea.bottom - kWizardPageArea.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWizardPage::SetUpLabel(CTransStatic& label, int id, int fontHeight, const std::wstring& text) {
  label.SubclassDlgItem(id, GetSafeHwnd());
  label.SetFontHeight(fontHeight);
  label.SetFormat(DT_SINGLELINE | DT_BOTTOM | DT_RIGHT);
  label.SetText(text);
}

void CWizardPage::UseEditFont(std::initializer_list<int> ids) {
  if (!editFont_.Get()) {
    // The skin's face (Decker where installed, else one with the interface's script).
    editFont_.Reset(CreateFontW(ScaleToDpi(kEditFontHeight, WindowDpi(GetSafeHwnd())), 0, 0, 0, kEditFontWeight, FALSE,
                                FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                kEditFontPitchAndFamily, SkinFontFace()));
  }
  for (const int id : ids) ::SendMessageW(GetDlgItem(id), WM_SETFONT, reinterpret_cast<WPARAM>(editFont_.Get()), TRUE);
}

std::wstring CWizardPage::ControlText(int id) const {
  HWND control = GetDlgItem(id);
  std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<size_t>(::GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

HDC CWizardPage::LentBackground() { return background_.Take(GetSafeHwnd()); }
