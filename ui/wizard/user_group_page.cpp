#include "ui/wizard/user_group_page.h"

#include "base/win/ansi_text.h"
#include "i18n/win/win_language.h"
#include "net/answer_records.h"
#include "net/device_commands.h"
#include "res/resource.h"
#include "skin/controls/input_alerts.h"
#include "framework/message_box.h"
#include "ui/network/network_door.h"
#include "rules/page_checks.h"

namespace {
constexpr FontRole kLabelFont{16, FW_THIN, kPageLabelFormat};
constexpr ControlPlacement kLayout[] = {
    {.id = IDC_DEVICE_PAGE_WORKGROUP_LABEL, .rect = {65, 52, 179, 67}, .text = L"Workgroup", .font = kLabelFont},
    {.id = IDC_DEVICE_PAGE_NAME_LABEL, .rect = {65, 100, 179, 115}, .text = L"Name", .font = kLabelFont},
    {.id = IDC_DEVICE_PAGE_DESCRIPTION_LABEL, .rect = {65, 148, 179, 163}, .text = L"Description", .font = kLabelFont},
    {.id = IDC_DEVICE_PAGE_WORKGROUP, .rect = {188, 45, 376, 73}, .font = kPageEditFont},
    {.id = IDC_DEVICE_PAGE_NAME, .rect = {188, 93, 376, 121}, .font = kPageEditFont},
    {.id = IDC_DEVICE_PAGE_DESCRIPTION, .rect = {188, 141, 376, 169}, .font = kPageEditFont},
};
}  // namespace

CUserGroupPage::CUserGroupPage() : CWizardPage(IDD_WIZARD_DEVICE_INFO, kLayout) {}
CUserGroupPage::~CUserGroupPage() = default;

void CUserGroupPage::SetUpControls() {
  ::SendMessageW(GetDlgItem(IDC_DEVICE_PAGE_WORKGROUP), EM_LIMITTEXT, kWorkgroupBytes, 0);
  ::SendMessageW(GetDlgItem(IDC_DEVICE_PAGE_NAME), EM_LIMITTEXT, kNameBytes, 0);
  ::SendMessageW(GetDlgItem(IDC_DEVICE_PAGE_DESCRIPTION), EM_LIMITTEXT, kDescriptionBytes, 0);
}

void CUserGroupPage::OnCgiDone(int cmdIndex, bool succeeded) {
  if (!WizardInfoArrived(cmdIndex, succeeded)) return;
  const WizardInfoRecord& info = DeviceSettings();
  ::SetWindowTextW(GetDlgItem(IDC_DEVICE_PAGE_NAME), FromAnsi(info.hostName).c_str());
  ::SetWindowTextW(GetDlgItem(IDC_DEVICE_PAGE_WORKGROUP), FromAnsi(info.workgroup).c_str());
  ::SetWindowTextW(GetDlgItem(IDC_DEVICE_PAGE_DESCRIPTION), FromAnsi(info.description).c_str());
}

bool CUserGroupPage::FitsDeviceFields(const std::wstring& name, const std::wstring& workgroup,
                                      const std::wstring& description) const {
  struct Field {
    const std::wstring& text;
    const wchar_t* label;
    std::size_t limit;
  };
  for (const Field& field : {Field{name, L"Name", kNameBytes}, Field{workgroup, L"Workgroup", kWorkgroupBytes},
                             Field{description, L"Description", kDescriptionBytes}}) {
    if (!FitsBytes(ToAnsi(field.text), field.limit)) {
      ShowInputError(GetSafeHwnd(), TrFormat(L"The %s must not be longer than %d bytes.", Tr(field.label).c_str(),
                                             static_cast<int>(field.limit)));
      return false;
    }
  }
  return true;
}

bool CUserGroupPage::Apply() {
  const std::wstring description = ControlText(IDC_DEVICE_PAGE_DESCRIPTION);
  const std::wstring name = ControlText(IDC_DEVICE_PAGE_NAME);
  const std::wstring workgroup = ControlText(IDC_DEVICE_PAGE_WORKGROUP);
  const int offending = FieldWithForbiddenCharacter(kNameForbidden, {ToU16(name), ToU16(workgroup)});
  if (offending >= 0) {
    ShowInputError(GetSafeHwnd(), TrFormat(L"The %s must not include the following characters:%s.",
                                           Tr(offending == 0 ? L"Name" : L"Workgroup").c_str(),
                                           ToWide(kNameForbidden).c_str()));
    return false;
  }
  if (!FitsDeviceFields(name, workgroup, description)) return false;
  DeviceIdentity identity{};
  CopyAnsiToSlot(name, identity.hostName, sizeof identity.hostName);
  CopyAnsiToSlot(workgroup, identity.workgroup, sizeof identity.workgroup);
  CopyAnsiToSlot(description, identity.description, sizeof identity.description);
  SetLastLaunch(NetworkDoor().SendCommand(FrameWindow(), Device(), kSetDeviceInfo, SetDeviceInfoBody(identity)));
  if (LastLaunch() != 0) return true;
  ShowProgramMessage(GetSafeHwnd(), Tr(L"Set WizardWorkgroup failed."));
  return false;
}
