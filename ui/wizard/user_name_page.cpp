#include "ui/wizard/user_name_page.h"

#include "base/win/ansi_text.h"
#include "i18n/win/win_language.h"
#include "res/resource.h"
#include "skin/controls/input_alerts.h"
#include "framework/message_box.h"
#include "rules/login_rules.h"
#include "ui/network/network_door.h"
#include "rules/page_checks.h"

namespace {
constexpr FontRole kLabelFont{15, FW_THIN, kPageLabelFormat};
constexpr ControlPlacement kLayout[] = {
    {.id = IDC_PASSWORD_PAGE_PASSWORD_LABEL, .rect = {50, 76, 179, 91}, .text = L"Password", .font = kLabelFont},
    {.id = IDC_PASSWORD_PAGE_CONFIRM_LABEL,
     .rect = {50, 124, 179, 139},
     .text = L"Confirm Password",
     .font = kLabelFont},
    {.id = IDC_PASSWORD_PAGE_PASSWORD, .rect = {188, 69, 376, 97}, .name = L"Password", .font = kPageEditFont},
    {.id = IDC_PASSWORD_PAGE_CONFIRM,
     .rect = {188, 117, 376, 145},
     .name = L"Confirm Password",
     .font = kPageEditFont},
};
}  // namespace

CUserNamePage::CUserNamePage() : CWizardPage(IDD_WIZARD_PASSWORD, kLayout) {}
CUserNamePage::~CUserNamePage() = default;

void CUserNamePage::ResetFields() const {
  const std::wstring placeholder = ToWide(kPasswordPlaceholder);
  ::SetWindowTextW(GetDlgItem(IDC_PASSWORD_PAGE_PASSWORD), placeholder.c_str());
  ::SetWindowTextW(GetDlgItem(IDC_PASSWORD_PAGE_CONFIRM), placeholder.c_str());
}

bool CUserNamePage::Apply() {
  const std::wstring password = ControlText(IDC_PASSWORD_PAGE_PASSWORD);
  const std::wstring confirmation = ControlText(IDC_PASSWORD_PAGE_CONFIRM);
  if (password == ToWide(kPasswordPlaceholder)) {
    ShowProgramMessage(GetSafeHwnd(), Tr(L"Pleace input your new password or skip this step."));
    return false;
  }
  if (password != confirmation) {
    ResetFields();
    ShowProgramMessage(GetSafeHwnd(), Tr(L"The password and confirmation password characters do not match."));
    return false;
  }
  if (FieldWithForbiddenCharacter(kPasswordForbidden, {ToU16(password)}) >= 0) {
    ShowInputError(GetSafeHwnd(), TrFormat(L"The %s must not include the following characters:%s.",
                                           Tr(L"Password").c_str(), ToWide(kPasswordForbidden).c_str()));
    return false;
  }
  // The login keeps the password in 15 bytes: a longer one would lock the user out.
  if (!FitsCredentialField(ToAnsi(password))) {
    ShowInputError(GetSafeHwnd(), TrFormat(L"The %s must not be longer than %d bytes.", Tr(L"Password").c_str(),
                                           static_cast<int>(kMaxCredentialLength)));
    return false;
  }
  SetLastLaunch(NetworkDoor().ChangePassword(FrameWindow(), Device(), password));
  if (LastLaunch() != 0) return true;
  ShowProgramMessage(GetSafeHwnd(), Tr(L"SetNASPW failed."));
  ResetFields();
  return false;
}
