#include "ui/wizard/user_group_page.h"

#include "base/win/ansi_text.h"
#include "i18n/win/win_language.h"
#include "net/answer_records.h"
#include "net/command_bodies.h"
#include "res/resource.h"
#include "skin/controls/input_alerts.h"
#include "framework/message_box.h"
#include "ui/network/network_door.h"
#include "rules/page_checks.h"

namespace {
constexpr ControlPlacement kLayout[] = {
    {IDC_DEVICE_PAGE_WORKGROUP_LABEL, {65, 52, 179, 67}},
    {IDC_DEVICE_PAGE_NAME_LABEL, {65, 100, 179, 115}},
    {IDC_DEVICE_PAGE_DESCRIPTION_LABEL, {65, 148, 179, 163}},
    {IDC_DEVICE_PAGE_WORKGROUP, {188, 45, 376, 73}},
    {IDC_DEVICE_PAGE_NAME, {188, 93, 376, 121}},
    {IDC_DEVICE_PAGE_DESCRIPTION, {188, 141, 376, 169}},
};
constexpr int kLabelFontHeight = 16;
}  // namespace

CUserGroupPage::CUserGroupPage() : CWizardPage(IDD_WIZARD_DEVICE_INFO) {}
CUserGroupPage::~CUserGroupPage() = default;

void CUserGroupPage::LayoutControls() {
  SizeToPageArea();
  PlaceControls(GetSafeHwnd(), kLayout);
  SetUpLabel(workgroupLabel_, IDC_DEVICE_PAGE_WORKGROUP_LABEL, kLabelFontHeight, Tr(L"Workgroup"));
  SetUpLabel(nameLabel_, IDC_DEVICE_PAGE_NAME_LABEL, kLabelFontHeight, Tr(L"Name"));
  SetUpLabel(descriptionLabel_, IDC_DEVICE_PAGE_DESCRIPTION_LABEL, kLabelFontHeight, Tr(L"Description"));
  ::SendMessageW(GetDlgItem(IDC_DEVICE_PAGE_WORKGROUP), EM_LIMITTEXT, kWorkgroupBytes, 0);
  ::SendMessageW(GetDlgItem(IDC_DEVICE_PAGE_NAME), EM_LIMITTEXT, kNameBytes, 0);
  ::SendMessageW(GetDlgItem(IDC_DEVICE_PAGE_DESCRIPTION), EM_LIMITTEXT, kDescriptionBytes, 0);
  UseEditFont({IDC_DEVICE_PAGE_WORKGROUP, IDC_DEVICE_PAGE_NAME, IDC_DEVICE_PAGE_DESCRIPTION});
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
  SetLastLaunch(NetworkDoor().SetDeviceInfo(FrameWindow(), Device(), identity));
  if (LastLaunch() != 0) return true;
  ShowProgramMessage(GetSafeHwnd(), Tr(L"Set WizardWorkgroup failed."));
  return false;
}
