#include "ui/wizard/wizard_dialog.h"

#include "base/messages.h"
#include "i18n/win/win_language.h"
#include "net/device_commands.h"
#include "net/win/udp_sockets.h"
#include "framework/message_box.h"
#include "ui/common/inactivity_watch.h"
#include "ui/network/network_door.h"
#include "rules/login_rules.h"
#include "ui/wizard/wizard_shape.h"

namespace {
constexpr int kStepIds[kStepCount] = {IDC_WIZARD_STEP_PASSWORD, IDC_WIZARD_STEP_DEVICE_INFO, IDC_WIZARD_STEP_TIME_ZONE,
                                      IDC_WIZARD_STEP_NETWORK,  IDC_WIZARD_STEP_RAID,        IDC_WIZARD_STEP_DRIVE_MAPPING};
constexpr const wchar_t* kStepCaptions[kStepCount] = {L"Password", L"Device Info", L"TimeZone",
                                                      L"Network",  L"Raid",        L"DriveMapping"};
// The page name each step opens (compared translated, exactly).
constexpr const wchar_t* kStepPages[kStepCount] = {L"Password", L"WorkGroup", L"TimeZone",
                                                   L"Network",  L"RAID",      L"DriveMapping"};
// Steps a user other than the administrator may open.
constexpr bool kStepForEveryUser[kStepCount] = {true, false, false, false, false, true};

struct NavigationButton {
  int id;
  const wchar_t* caption;
};
constexpr NavigationButton kNavigation[] = {{IDC_WIZARD_SKIP, L"Skip"},
                                            {IDC_WIZARD_PREVIOUS, L"Previous"},
                                            {IDC_WIZARD_FINISH, L"Finish"},
                                            {IDC_WIZARD_NEXT, L"Next"},
                                            {IDC_WIZARD_EXIT, L"Exit"}};

constexpr UINT kTitleFormat = DT_SINGLELINE | DT_BOTTOM;
constexpr ControlPlacement kLayout[] = {
    {IDC_WIZARD_CLOSE, {724, 13, 749, 38}, 12},
    {IDC_WIZARD_LOGO, {26, 19, 126, 119}, 0, L"Wizard"},
    {.id = IDC_WIZARD_TITLE, .rect = {148, 57, 250, 86}, .text = L"Wizard", .font = {34, FW_THIN, kTitleFormat}},
    // The page's name is the shown page's.
    {.id = IDC_WIZARD_PAGE_NAME, .rect = {251, 60, 450, 83}, .font = {18, FW_THIN, kTitleFormat}},
    {IDC_WIZARD_PAGE_AREA, {135, 183, 668, 415}},
    {IDC_WIZARD_STEP_PASSWORD, {171, 113, 255, 160}, 1},
    {IDC_WIZARD_STEP_DEVICE_INFO, {255, 113, 339, 160}, 2},
    {IDC_WIZARD_STEP_TIME_ZONE, {339, 113, 423, 160}, 3},
    {IDC_WIZARD_STEP_NETWORK, {423, 113, 507, 160}, 4},
    {IDC_WIZARD_STEP_RAID, {507, 113, 591, 160}, 5},
    // The last marker draws no line to a next one: its caption may run on to the rule's end, where
    // "DriveMapping" fits whole.
    {IDC_WIZARD_STEP_DRIVE_MAPPING, {591, 113, 695, 160}, 6},
    {IDC_WIZARD_SKIP, {152, 435, 262, 469}, 7},
    {IDC_WIZARD_PREVIOUS, {272, 435, 382, 469}, 8},
    {IDC_WIZARD_NEXT, {392, 435, 502, 469}, 9},
    {IDC_WIZARD_FINISH, {392, 435, 502, 469}, 10},
    {IDC_WIZARD_EXIT, {512, 435, 622, 469}, 11},
};
constexpr COLORREF kRuleColour = RGB(80, 81, 67);
constexpr POINT kRuleFrom{144, 95};
constexpr POINT kRuleTo{695, 95};

constexpr UINT_PTR kPollTimer = 1;
constexpr UINT kPollPeriodMs = 1000;
}  // namespace

// ---------------------------------------------------------------- navigation

CWizardDialogBase::CWizardDialogBase(HWND owner) : CNetworkWindow(IDD_WIZARD, owner), ownerWindow_(owner) {}

CWizardDialogBase::~CWizardDialogBase() {
  // A frame destroyed with its window still open never sees its WM_DESTROY here.
  if (GetSafeHwnd()) {
    ReleasePages();
    if (OpenDialogWindow == GetSafeHwnd()) OpenDialogWindow = nullptr;
  }
  pages_.clear();
}

void CWizardDialogBase::AddPage(CWizardPage* page, const std::wstring& name, UINT templateId) {
  page->Assign(name, templateId);
  pages_.push_back(page);
}

CWizardPage* CWizardDialogBase::ActivePage() const {
  for (CWizardPage* page : pages_) {
    if (page->IsActive()) return page;
  }
  return nullptr;
}

int CWizardDialogBase::IndexOf(const CWizardPage* page) const {
  for (size_t index = 0; index < pages_.size(); ++index) {
    if (pages_[index] == page) return static_cast<int>(index);
  }
  return -1;
}

bool CWizardDialogBase::DeactivateCurrent() {
  CWizardPage* current = ActivePage();
  if (!current) return true;
  if (!current->OnKillActive()) return false;
  current->ShowWindow(SW_HIDE);
  current->SetActive(false);
  return true;
}

bool CWizardDialogBase::SetActivePage(CWizardPage* page) {
  if (!page->IsCreated()) {
    page->SetParentWindow(GetSafeHwnd());
    if (!page->Create()) return false;
    page->SetCreated(true);
    page->Attach(this, GetSafeHwnd());
    if (!page->OnCreatePage()) return false;
  }
  if (!DeactivateCurrent()) return false;
  const RECT area = ScaleToDpi(kWizardPageArea, WindowDpi(GetSafeHwnd()));
  ::SetWindowPos(page->GetSafeHwnd(), nullptr, area.left, area.top, RectWidth(area), RectHeight(area),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  page->EnableWindow(true);
  page->ShowWindow(SW_SHOW);
  page->Invalidate();
  page->UpdateWindow();
  page->LoadPageData();
  page->OnSetActive();
  page->SetActive(true);
  return true;
}

bool CWizardDialogBase::GoToPage(const std::wstring& name) {
  for (CWizardPage* page : pages_) {
    if (page->PageName() == name) return SetActivePage(page);
  }
  return false;
}

void CWizardDialogBase::ActivateFirstPage() {
  if (!DeactivateCurrent()) return;
  ApplyButtons(ButtonsAfter(NavigationMove::kOpened, 0, PageCount()));
  if (!pages_.empty()) SetActivePage(pages_.front());
}

void CWizardDialogBase::ShowNavigationButton(int id, bool show) {
  if (HWND button = GetDlgItem(id)) {
    ::EnableWindow(button, show);
    ::ShowWindow(button, show ? SW_SHOW : SW_HIDE);
  }
}

void CWizardDialogBase::ApplyButtons(const NavigationButtons& buttons) {
  if (buttons.next) ShowNavigationButton(IDC_WIZARD_NEXT, *buttons.next);
  if (buttons.finish) ShowNavigationButton(IDC_WIZARD_FINISH, *buttons.finish);
  if (buttons.previous) ShowNavigationButton(IDC_WIZARD_PREVIOUS, *buttons.previous);
  if (buttons.skip) ShowNavigationButton(IDC_WIZARD_SKIP, *buttons.skip);
}

void CWizardDialogBase::ButtonsFor(NavigationMove move, const CWizardPage* page) {
  ApplyButtons(ButtonsAfter(move, IndexOf(page), PageCount()));
}

static std::vector<int> TemplateIdsOf(const std::vector<CWizardPage*>& pages) {
  std::vector<int> ids;
  for (const CWizardPage* page : pages) ids.push_back(static_cast<int>(page->TemplateId()));
  return ids;
}

void CWizardDialogBase::GoToTarget(const PageTarget& target, NavigationMove move) {
  if (target.kind == PageTarget::kPastEnd) {
    OnExit();
    return;
  }
  if (target.kind != PageTarget::kPage) return;
  CWizardPage* page = pages_[static_cast<size_t>(target.index)];
  if (!SetActivePage(page)) return;
  ButtonsFor(move, page);
}

void CWizardDialogBase::OnNext() {
  CWizardPage* page = ActivePage();
  if (!page || page->IsBusy()) return;
  if (applyPending_) {
    if (!page->Apply()) return;
    page->SetBusy(true);
    commandPage_ = page;
    ApplyButtons(ButtonsAfter(NavigationMove::kCommandSent, IndexOf(page), PageCount()));
    return;
  }
  applyPending_ = true;
  GoToTarget(ResolveTarget(page->OnWizardNext(), IndexOf(page), +1, TemplateIdsOf(pages_)), NavigationMove::kAdvanced);
}

void CWizardDialogBase::OnSkip() {
  applyPending_ = false;
  OnNext();
}

void CWizardDialogBase::OnPrevious() {
  CWizardPage* page = ActivePage();
  if (!page) return;
  const PageTarget target = ResolveTarget(page->OnWizardBack(), IndexOf(page), -1, TemplateIdsOf(pages_));
  GoToTarget(target, NavigationMove::kWentBack);
}

void CWizardDialogBase::OnExit() {
  for (CWizardPage* page : pages_) {
    if (page->IsCreated() && !page->OnQueryCancel()) return;
  }
  EndDialog(IDCANCEL);
}

void CWizardDialogBase::OnFinish() {
  CWizardPage* page = ActivePage();
  if (!page) return;
  page->Apply();
  if (!page->OnKillActive()) return;
  for (CWizardPage* created : pages_) {
    if (created->IsCreated() && !created->OnWizardFinish()) return;
  }
  EndDialog(kWizardFinished);
}

bool CWizardDialogBase::OnCommand(WORD id, WORD code, HWND control) {
  switch (id) {
    case IDC_WIZARD_NEXT:
      OnNext();
      return true;
    case IDC_WIZARD_SKIP:
      OnSkip();
      return true;
    case IDC_WIZARD_PREVIOUS:
      OnPrevious();
      return true;
    case IDC_WIZARD_EXIT:
    case IDC_WIZARD_CLOSE:
      OnExit();
      return true;
    case IDC_WIZARD_FINISH:
      OnFinish();
      return true;
    default:
      return CNetworkWindow::OnCommand(id, code, control);
  }
}

void CWizardDialogBase::OnCgiDone(int cmdIndex, bool succeeded) {
  // The answer belongs to the page that sent the command; without one outstanding (a late
  // answer of a command already answered) it is the shown page's.
  CWizardPage* sender = commandPage_ ? commandPage_ : ActivePage();
  if (sender) sender->SetBusy(false);
  if (cmdIndex >= 0 && cmdIndex <= kSetNetwork) commandPage_ = nullptr;
  if (cmdIndex == kGetLanInfo) {
    if (succeeded) OnDeviceAddressRead();
    return;
  }
  if (cmdIndex < 0 || cmdIndex > kSetNetwork) return;
  OnCommandDone(sender, cmdIndex, succeeded);
}

void CWizardDialogBase::OnCommandDone(CWizardPage* sender, int cmdIndex, bool succeeded) {
  CWizardPage* shown = ActivePage();
  if (!succeeded) {
    ShowProgramMessage(GetSafeHwnd(), Tr(L"setting failed."));
    if (shown) ButtonsFor(NavigationMove::kCommandFailed, shown);
    return;
  }
  if (cmdIndex == kSetNetwork) {
    StartFollowingDevice(sender);
    return;
  }
  // The user went on with a step marker before the answer came: the settings are applied, and the
  // page now shown is not moved past unasked.
  if (sender != shown) {
    if (shown) ButtonsFor(NavigationMove::kJumped, shown);
    return;
  }
  applyPending_ = false;
  OnNext();
}

void CWizardDialogBase::StartFollowingDevice(CWizardPage* sender) {
  // Each network change follows the device afresh, with all its polls.
  followingPage_ = sender;
  pollCount_ = 0;
  SetTimer(kPollTimer, kPollPeriodMs);
}

void CWizardDialogBase::StopFollowingDevice() {
  KillTimer(kPollTimer);
  followingPage_ = nullptr;
}

void CWizardDialogBase::OnTimer(UINT_PTR id) {
  if (id == kPollTimer) OnPollTick();
}

void CWizardDialogBase::OnPollTick() {
  // A tick already queued when the poll ended.
  if (!followingPage_) return;
  CWizardPage* poller = followingPage_;
  if (AddressPollsExhausted(pollCount_)) {
    StopFollowingDevice();
    ShowProgramMessage(GetSafeHwnd(), Tr(L"get NAS new ip error."));
    poller->SetBusy(false);
    if (CWizardPage* shown = ActivePage()) ButtonsFor(NavigationMove::kCommandFailed, shown);
    pollCount_ = 0;
    return;
  }
  poller->SetFrameWindow(GetSafeHwnd());
  poller->OnPoll();
  ++pollCount_;
}

bool CWizardDialogBase::DeviceOnComputersSubnet() const {
  const int adapter = device_.adapterIndex;
  const AdapterTable& adapters = NetworkDoor().SearchedAdapters();
  // An adapter the table does not hold any more cannot vouch for the subnet: search again.
  if (adapter < 0 || adapter >= adapters.count || adapter >= kMaxAdapters) return false;
  const AdapterRow& row = adapters.rows[adapter];
  return OnSameSubnet(row.address, row.mask, device_.address, device_.mask);
}

void CWizardDialogBase::OnDeviceAddressRead() {
  if (!followingPage_) return;  // an answer after the poll had given up
  CWizardPage* sender = followingPage_;
  StopFollowingDevice();
  // The answer to the poll that follows the user's own change: the device is where it says now.
  device_ = MovedTo(device_, NetworkDoor().DeviceSettings().lan);
  if (!DeviceOnComputersSubnet()) {
    ::PostMessageW(ownerWindow_, WM_SUBNET_CHANGED, 0, 0);
    return;
  }
  if (sender != ActivePage()) {
    if (CWizardPage* shown = ActivePage()) ButtonsFor(NavigationMove::kJumped, shown);
    return;
  }
  applyPending_ = false;
  OnNext();
}

void CWizardDialogBase::ReleasePages() {
  KillTimer(kPollTimer);
  for (CWizardPage* page : pages_) {
    if (!page->IsCreated()) continue;
    if (page->OnKillActive()) page->OnDestroyPage();
    // A child goes with the frame whatever it answered: the page must be made afresh next time.
    page->DestroyWindow();
    page->SetCreated(false);
    page->SetActive(false);
    page->SetBusy(false);
  }
}

void CWizardDialogBase::OnOK() {
  if (!PressButton(IDC_WIZARD_NEXT)) PressButton(IDC_WIZARD_FINISH);
}

LRESULT CWizardDialogBase::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    // The main window closes the wizard this way (idle logout, device gone): without a question.
    EndDialog(IDCANCEL);
    return 0;
  }
  if (message == WM_DESTROY) {
    ReleasePages();
    if (OpenDialogWindow == GetSafeHwnd()) OpenDialogWindow = nullptr;
  }
  return CNetworkWindow::WindowProc(message, wParam, lParam);
}

// ---------------------------------------------------------------- the skinned frame

CWizardDialog::CWizardDialog(HWND owner, bool administrator)
    : CWizardDialogBase(owner), administrator_(administrator), layout_(kLayout) {}

void CWizardDialog::LayOut() {
  ApplyWindowShape(GetSafeHwnd(), kWizardShape);
  layout_.Apply(GetSafeHwnd());
}

CWizardDialog::~CWizardDialog() = default;

std::wstring CWizardDialog::StepPageName(int step) { return Tr(kStepPages[step]); }

int CWizardDialog::StepOfPageName(const std::wstring& name) {
  for (int step = 0; step < kStepCount; ++step) {
    if (StepPageName(step) == name) return step;
  }
  return -1;
}

BOOL CWizardDialog::OnInitDialog() {
  // The main window closes the wizard through it (idle logout, device gone from the subnet).
  OpenDialogWindow = GetSafeHwnd();
  SetUpControls();
  LayOut();
  // The pages borrow the frame's background from their first paint on: it comes before them.
  SetBackgroundImage(IDB_WIZARD_BACKGROUND);
  EnableStepMarkers();
  SetWindowLongPtrW(GetSafeHwnd(), GWL_EXSTYLE, GetWindowLongPtrW(GetSafeHwnd(), GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
  ::ShowWindow(GetDlgItem(IDC_WIZARD_PAGE_AREA), SW_HIDE);
  ActivateFirstPage();
  CenterWindow();
  // The page has put the focus on its first field.
  return FALSE;
}

void CWizardDialog::SetUpControls() {
  pageName_.SubclassDlgItem(IDC_WIZARD_PAGE_NAME, GetSafeHwnd());
  logo_.SubclassDlgItem(IDC_WIZARD_LOGO, GetSafeHwnd());
  logo_.SetImage(IDB_WIZARD_LOGO);
  close_.SubclassDlgItem(IDC_WIZARD_CLOSE, GetSafeHwnd());
  close_.LoadImages(IDB_CLOSE_NORMAL, IDB_CLOSE_HOVER, IDB_CLOSE_PRESSED);
  close_.SetDrawText(false);
  close_.SetToolTipText(Tr(L"Close"));
  close_.SetWindowText(Tr(L"Close"));
  for (int step = 0; step < kStepCount; ++step) {
    CProcessButton& marker = steps_[static_cast<size_t>(step)];
    marker.SubclassDlgItem(kStepIds[step], GetSafeHwnd());
    marker.SetWindowText(Tr(kStepCaptions[step]));
    marker.SetDrawText(true);
  }
  steps_.back().SetNarrow(true);
  for (size_t index = 0; index < navigation_.size(); ++index) {
    CGdipButton& button = navigation_[index];
    button.SubclassDlgItem(kNavigation[index].id, GetSafeHwnd());
    button.LoadImages(IDB_BUTTON, IDB_BUTTON_ACTIVE, IDB_BUTTON_ACTIVE);
    button.SetDrawText(true);
    button.SetWindowText(Tr(kNavigation[index].caption));
    button.SetToolTipText(Tr(kNavigation[index].caption));
  }
}

void CWizardDialog::EnableStepMarkers() {
  for (int step = 0; step < kStepCount; ++step) {
    steps_[static_cast<size_t>(step)].EnableWindow(administrator_ || kStepForEveryUser[step]);
  }
}

bool CWizardDialog::SetActivePage(CWizardPage* page) {
  if (!CWizardDialogBase::SetActivePage(page)) return false;
  pageName_.SetText(page->PageName());
  SetWindowText(Tr(L"Wizard") + L" - " + page->PageName());
  // In the reading order the page's fields come after the step markers and before the buttons
  // below them; the work starts at its first field.
  ::SetWindowPos(page->GetSafeHwnd(), GetDlgItem(IDC_WIZARD_STEP_DRIVE_MAPPING), 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (HWND first = ::GetNextDlgTabItem(page->GetSafeHwnd(), nullptr, FALSE);
      first && ::IsChild(page->GetSafeHwnd(), first)) {
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
  }
  const auto states = StepStates(StepOfPageName(page->PageName()));
  for (int step = 0; step < kStepCount; ++step) {
    CProcessButton& marker = steps_[static_cast<size_t>(step)];
    marker.SetState(static_cast<int>(states[static_cast<size_t>(step)]));
    marker.Invalidate();
  }
  return true;
}

bool CWizardDialog::OnCommand(WORD id, WORD code, HWND control) {
  for (int step = 0; step < kStepCount; ++step) {
    if (id != kStepIds[step]) continue;
    const std::wstring name = StepPageName(step);
    CWizardPage* shown = ActivePage();
    if (shown && shown->PageName() == name) return true;
    if (!GoToPage(name)) {
      ShowProgramMessage(GetSafeHwnd(), Tr(L"Page load failure."));
      return true;
    }
    ButtonsFor(NavigationMove::kJumped, ActivePage());
    return true;
  }
  return CWizardDialogBase::OnCommand(id, code, control);
}

void CWizardDialog::ShowNavigationButton(int id, bool show) {
  for (size_t index = 0; index < navigation_.size(); ++index) {
    if (kNavigation[index].id == id && navigation_[index].GetSafeHwnd()) {
      navigation_[index].EnableWindow(show);
      navigation_[index].ShowButton(show);
      return;
    }
  }
  CWizardDialogBase::ShowNavigationButton(id, show);
}

void CWizardDialog::OnPaint(HDC dc) {
  CGdipDialog::OnPaint(dc);
  const UINT dpi = WindowDpi(GetSafeHwnd());
  PenHandle pen(CreatePen(PS_SOLID, ScaleToDpi(1, dpi), kRuleColour));
  SelectGuard keep(dc, pen.Get());
  MoveToEx(dc, ScaleToDpi(kRuleFrom.x, dpi), ScaleToDpi(kRuleFrom.y, dpi), nullptr);
  LineTo(dc, ScaleToDpi(kRuleTo.x, dpi), ScaleToDpi(kRuleTo.y, dpi));
}
