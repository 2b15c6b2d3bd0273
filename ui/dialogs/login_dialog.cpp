#include "ui/dialogs/login_dialog.h"

#include "base/win/ansi_text.h"
#include "i18n/win/win_language.h"
#include "res/resource.h"
#include "skin/controls/input_alerts.h"
#include "skin/window_outline.h"
#include "ui/common/button_looks.h"
#include "ui/common/window_layout.h"
#include "rules/login_rules.h"

namespace {
constexpr WindowShape kShape{605, 397, 605, 397, 14};

constexpr wchar_t kHint[] =
    L"* A password is a secret word or string of characters that is used for authentication,to prove identily or "
    L"gain access to a resource";
constexpr FontRole kLabelFont{18};
constexpr FontRole kHintFont{13, FW_THIN, DT_LEFT | DT_WORDBREAK};
constexpr FontRole kEditFont{18};

constexpr ControlPlacement kLayout[] = {
    {IDC_LOGIN_LOGO, {30, 16, 250, 80}, 0, L"Drovik"},
    {.id = IDC_LOGIN_USER_NAME_LABEL, .rect = {72, 136, 206, 160}, .text = L"User Name", .font = kLabelFont},
    {.id = IDC_LOGIN_USER_NAME, .rect = {210, 132, 530, 160}, .name = L"User Name", .font = kEditFont},
    {.id = IDC_LOGIN_PASSWORD_LABEL, .rect = {72, 178, 206, 202}, .text = L"Password", .font = kLabelFont},
    {.id = IDC_LOGIN_PASSWORD, .rect = {210, 174, 530, 202}, .name = L"Password", .font = kEditFont},
    {IDC_LOGIN_REMEMBER, {210, 214, 420, 236}},
    {.id = IDC_LOGIN_HINT, .rect = {72, 248, 540, 300}, .text = kHint, .font = kHintFont},
    {IDC_LOGIN_OK, {180, 332, 290, 366}},
    {IDC_LOGIN_CANCEL, {315, 332, 425, 366}},
    {IDC_LOGIN_MODIFY_PASSWORD, {560, 16, 585, 41}},
};

// The controls of changing the password, which this dialog never offers.
constexpr int kPasswordChangeGroup[] = {IDC_LOGIN_MODIFY_PASSWORD,    IDC_LOGIN_OLD_PASSWORD,
                                        IDC_LOGIN_NEW_PASSWORD,       IDC_LOGIN_CONFIRM_PASSWORD,
                                        IDC_LOGIN_OLD_PASSWORD_LABEL, IDC_LOGIN_NEW_PASSWORD_LABEL,
                                        IDC_LOGIN_CONFIRM_PASSWORD_LABEL};
}  // namespace

CLoginDialog::CLoginDialog(HWND owner) : CGdipDialog(IDD_LOGIN, owner), layout_(kLayout) {}

void CLoginDialog::SetValues(const std::wstring& userName, const std::wstring& password, bool remember) {
  userName_ = userName;
  password_ = password;
  remember_ = remember;
}

void CLoginDialog::LayOut() {
  ApplyWindowShape(GetSafeHwnd(), kShape);
  layout_.Apply(GetSafeHwnd());
}

BOOL CLoginDialog::OnInitDialog() {
  SetUpControls();
  LayOut();
  CenterWindow();
  SetBackgroundImage(IDB_LOGIN_BACKGROUND);

  for (int id : kPasswordChangeGroup) ::ShowWindow(GetDlgItem(id), SW_HIDE);
  rememberBox_.SetCheck(remember_ ? BST_CHECKED : BST_UNCHECKED);
  if (remember_) {
    edits_[0].SetWindowText(userName_);
    edits_[1].SetWindowText(password_);
  }
  SetWindowText(Tr(L"Connect NAS"));
  // The work starts at the first empty field; with both filled in, Enter logs in.
  const int start = userName_.empty() || !remember_ ? IDC_LOGIN_USER_NAME
                    : password_.empty()             ? IDC_LOGIN_PASSWORD
                                                    : IDC_LOGIN_OK;
  SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(start)), TRUE);
  return FALSE;
}

void CLoginDialog::SetUpControls() {
  logo_.SubclassDlgItem(IDC_LOGIN_LOGO, GetSafeHwnd());
  logo_.SetImage(IDB_LOGIN_LOGO);

  edits_[0].SubclassDlgItem(IDC_LOGIN_USER_NAME, GetSafeHwnd());
  edits_[1].SubclassDlgItem(IDC_LOGIN_PASSWORD, GetSafeHwnd());

  ApplyButtonLooks(
      GetSafeHwnd(),
      {{rememberBox_, IDC_LOGIN_REMEMBER, L"Remember Me", L"Remember Me", IDB_CHECK_BOX, IDB_CHECK_MARK, IDB_CHECK_MARK},
       {ok_, IDC_LOGIN_OK, L"OK", L"OK", IDB_BUTTON, IDB_BUTTON_ACTIVE, IDB_BUTTON_ACTIVE},
       {cancel_, IDC_LOGIN_CANCEL, L"Cancel", L"Cancel", IDB_BUTTON, IDB_BUTTON_ACTIVE, IDB_BUTTON_ACTIVE},
       {modifyPassword_, IDC_LOGIN_MODIFY_PASSWORD, nullptr, L"Modify Password", IDB_MODIFY_PASSWORD_NORMAL,
        IDB_MODIFY_PASSWORD_HOVER, IDB_MODIFY_PASSWORD_PRESSED}});
  modifyPassword_.SetDrawText(false);
}

bool CLoginDialog::OnCommand(WORD id, WORD code, HWND control) {
  switch (id) {
    case IDC_LOGIN_OK:
      OnOK();
      return true;
    case IDC_LOGIN_CANCEL:
      OnCancel();
      return true;
    default:
      return CGdipDialog::OnCommand(id, code, control);
  }
}

void CLoginDialog::OnOK() {
  const std::wstring userName = edits_[0].GetWindowText();
  const std::wstring password = edits_[1].GetWindowText();
  if (userName.empty()) {
    ShowInputError(GetSafeHwnd(), Tr(L"User name couldn't be empty."));
    return;
  }
  // The device protocol carries 15 bytes of each; a longer one would be cut and never match.
  if (!FitsCredentialField(ToAnsi(userName))) {
    ShowInputError(GetSafeHwnd(), Tr(L"The user name is too long: at most 15 letters or digits (a Chinese "
                                     L"character counts as two)."));
    return;
  }
  if (!FitsCredentialField(ToAnsi(password))) {
    ShowInputError(GetSafeHwnd(), Tr(L"The password is too long: at most 15 letters or digits (a Chinese "
                                     L"character counts as two)."));
    return;
  }
  userName_ = userName;
  password_ = password;
  remember_ = rememberBox_.GetCheck() == BST_CHECKED;
  EndDialog(IDOK);
}
