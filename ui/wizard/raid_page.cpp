#include "ui/wizard/raid_page.h"

#include "base/messages.h"
#include "i18n/win/win_language.h"
#include "res/resource.h"
#include "framework/message_box.h"
#include "ui/network/network_door.h"
#include "ui/wizard/process_dialog.h"

namespace {
constexpr ControlPlacement kLayout[] = {
    {IDC_RAID_STANDARD, {0, 0, 533, 58}},
    {IDC_RAID_JBOD, {0, 58, 533, 116}},
    {IDC_RAID_0, {0, 116, 533, 174}},
    {IDC_RAID_1, {0, 174, 533, 232}},
};

// The options in the order a level is looked for; the titles are not translated.
struct Option {
  int id;
  VolumeLevel level;
  const wchar_t* title;
  UINT icon;
  const wchar_t* description;
};
constexpr Option kOptions[] = {
    {IDC_RAID_STANDARD, VolumeLevel::kStandard, L"Stand", IDB_RAID_STANDARD,
     L"Normal Disk. Creates two separate valumes (or one volume if only one hard drive is present). Each hard drive "
     L"is its own volume."},
    {IDC_RAID_JBOD, VolumeLevel::kLinear, L"JBOD", IDB_RAID_LINEAR,
     L"Just a Bunch Of Disks. It makes the disks appera to be a single larger one. It doesn't provide any of fault "
     L"tolerance or performance benefits of RAID. At least two drives are required to constitute such an array."},
    {IDC_RAID_0, VolumeLevel::kRaid0, L"RAID 0", IDB_RAID_RAID0,
     L"Striped RAID. It improves performance and additional storage but no fault tolerance. Any drive failure "
     L"destroys the entrie array. At least two drives are required to constitute such an array."},
    {IDC_RAID_1, VolumeLevel::kRaid1, L"RAID 1", IDB_RAID_RAID1,
     L"Mirrored RAID. Data is written identically to two drives. The array continues to operate as long as at least "
     L"one drive is functioning. If one hard drive fails, replace the failed hard drive and it will remirror, "
     L"restoring maximum data protection. At least two drives are required to constitute such an array."},
};
// The warning is always shown in English.
constexpr WORD kEnglishLanguage = 0x409;
}  // namespace

CRaidPage::CRaidPage() : CWizardPage(IDD_WIZARD_RAID, kLayout) {}
CRaidPage::~CRaidPage() = default;

void CRaidPage::SetUpControls() {
  for (size_t index = 0; index < options_.size(); ++index) {
    CIconRadioButton& option = options_[index];
    option.SubclassDlgItem(kOptions[index].id, GetSafeHwnd());
    option.LoadImages(IDB_RADIO_CHECKED, IDB_RADIO, kOptions[index].icon, IDB_RAID_FOCUS);
    option.SetTitle(kOptions[index].title);
    option.SetDescription(Tr(kOptions[index].description));
  }
  options_[0].SetCheck(BST_CHECKED);
}

int CRaidPage::LoadPageData() {
  diskCount_ = 0;
  EnableOptions(0);
  SetLastLaunch(NetworkDoor().SendCommand(GetSafeHwnd(), Device(), kGetDiskInfo, GetDiskInfoBody()));
  if (LastLaunch() == 0) ShowProgramMessage(GetSafeHwnd(), Tr(L"Get wizard information failed."));
  return LastLaunch();
}

void CRaidPage::EnableOptions(int diskCount) {
  for (size_t index = 0; index < options_.size(); ++index)
    options_[index].EnableWindow(LevelOffered(kOptions[index].level, diskCount));
}

void CRaidPage::OnDiskInfo(std::unique_ptr<DiskInfoResult> info) {
  disks_ = *info;
  received_ = true;
  if (disks_.diskCount != 1 && disks_.diskCount != 2) {
    ShowProgramMessage(GetSafeHwnd(), Tr(L"No hard disk is detected."));
    EnableOptions(0);
    return;
  }
  diskCount_ = disks_.diskCount;
  EnableOptions(diskCount_);
}

VolumeLevel CRaidPage::ChosenLevel() const {
  for (size_t index = 0; index < options_.size(); ++index)
    if (options_[index].GetCheck() == BST_CHECKED) return kOptions[index].level;
  return VolumeLevel::kNone;
}

bool CRaidPage::RebuildConfirmed() const {
  const std::wstring text =
      Tr(L"It will rebuild you disk, be sure you want to do it and press \"OK\" button to continue...");
  const std::wstring caption = Tr(L"Warning");
  return ::MessageBoxExW(GetSafeHwnd(), text.c_str(), caption.c_str(), MB_OKCANCEL, kEnglishLanguage) == IDOK;
}

bool CRaidPage::Apply() {
  if (!received_) return false;
  if (!RebuildConfirmed()) return false;
  plan_.reset();
  // The disk count and the names decide too: an empty plan or a cut disk name is never sent.
  PlanResult result = BuildVolumePlan(disks_, ChosenLevel());
  if (!result.plan) {
    ShowProgramMessage(GetSafeHwnd(), Tr(PlanRefusalText(result.refusal)));
    return false;
  }
  plan_ = std::move(result.plan);
  const bool made = RunFormat(*plan_);
  received_ = false;
  if (!made) {
    // The dialog has said what failed; the disks may have changed, so another run needs their
    // answer afresh.
    LoadPageData();
    return false;
  }
  ::PostMessageW(FrameWindow(), WM_CGI_DONE, 0, 0);
  return true;
}

bool CRaidPage::RunFormat(const VolumePlan& plan) {
  CProcessDialog dialog(plan.First(), FrameWindow(), Device());
  dialog.DoModal();
  return dialog.Sequence().Succeeded();
}
