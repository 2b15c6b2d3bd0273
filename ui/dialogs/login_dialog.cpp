#include "ui/dialogs/login_dialog.h"

#include "base/win/ansi_text.h"
#include "i18n/win/win_language.h"
#include "res/resource.h"
#include "skin/controls/input_alerts.h"
#include "skin/skin_draw.h"
#include "skin/window_outline.h"
#include "ui/common/button_looks.h"
#include "rules/login_rules.h"

namespace {
constexpr WindowShape kShape{605, 397, 605, 397, 14};

constexpr ControlPlacement kLayout[] = {
    {IDC_LOGIN_LOGO, {30, 16, 250, 80}, 0, L"Drovik"},
    {IDC_LOGIN_USER_NAME_LABEL, {72, 136, 206, 160}},
    {IDC_LOGIN_USER_NAME, {210, 132, 530, 160}, 0, L"User Name"},
    {IDC_LOGIN_PASSWORD_LABEL, {72, 178, 206, 202}},
    {IDC_LOGIN_PASSWORD, {210, 174, 530, 202}, 0, L"Password"},
    {IDC_LOGIN_REMEMBER, {210, 214, 420, 236}},
    {IDC_LOGIN_HINT, {72, 248, 540, 300}},
    {IDC_LOGIN_OK, {180, 332, 290, 366}},
    {IDC_LOGIN_CANCEL, {315, 332, 425, 366}},
    {IDC_LOGIN_MODIFY_PASSWORD, {560, 16, 585, 41}},
};

constexpr int kLabelFontHeight = 18;
constexpr int kHintFontHeight = 13;
constexpr int kEditFontHeight = 18;
constexpr wchar_t kHint[] =
    L"* A password is a secret word or string of characters that is used for authentication,to prove identily or "
    L"gain access to a resource";

// The controls of changing the password, which this dialog never offers.
constexpr int kPasswordChangeGroup[] = {IDC_LOGIN_MODIFY_PASSWORD,    IDC_LOGIN_OLD_PASSWORD,
                                        IDC_LOGIN_NEW_PASSWORD,       IDC_LOGIN_CONFIRM_PASSWORD,
                                        IDC_LOGIN_OLD_PASSWORD_LABEL, IDC_LOGIN_NEW_PASSWORD_LABEL,
                                        IDC_LOGIN_CONFIRM_PASSWORD_LABEL};
}  // namespace

CLoginDialog::CLoginDialog(HWND owner) : CGdipDialog(IDD_LOGIN, owner) {}

void CLoginDialog::SetValues(const std::wstring& userName, const std::wstring& password, bool remember) {
  userName_ = userName;
  password_ = password;
  remember_ = remember;
}

BOOL CLoginDialog::OnInitDialog() {
  ApplyWindowShape(GetSafeHwnd(), kShape);
  PlaceControls(GetSafeHwnd(), kLayout);
  SetUpControls();
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

  const struct {
    int id;
    const wchar_t* text;
    int fontHeight;
  } labels[] = {{IDC_LOGIN_USER_NAME_LABEL, L"User Name", kLabelFontHeight},
                {IDC_LOGIN_PASSWORD_LABEL, L"Password", kLabelFontHeight},
                {IDC_LOGIN_HINT, kHint, kHintFontHeight}};
  for (size_t index = 0; index < labels_.size(); ++index) {
    labels_[index].SubclassDlgItem(labels[index].id, GetSafeHwnd());
    labels_[index].SetFontHeight(labels[index].fontHeight);
    labels_[index].SetText(Tr(labels[index].text));
  }
  labels_[2].SetFormat(DT_LEFT | DT_WORDBREAK);

  editFont_ = CreateSkinFont(WindowDpi(GetSafeHwnd()), kEditFontHeight);
  edits_[0].SubclassDlgItem(IDC_LOGIN_USER_NAME, GetSafeHwnd());
  edits_[1].SubclassDlgItem(IDC_LOGIN_PASSWORD, GetSafeHwnd());
  for (CEdit& edit : edits_) edit.SetFont(editFont_.Get());
  NameControls(GetSafeHwnd(), kLayout);

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
