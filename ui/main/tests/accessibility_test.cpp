// What a screen reader learns through oleacc (AccessibleObjectFromWindow) of every visible control
// of the main window (logged in, with a volume panel), the login dialog, the settings dialog and
// the wizard's password page: a name and the right role; and the windows' own names.
#include <gtest/gtest.h>
#include <oleacc.h>

#include <map>
#include <string>
#include <vector>

#include "ui/dialogs/login_dialog.h"
#include "ui/dialogs/settings_dialog.h"
#include "ui/main/tests/main_window_fixture.h"
#include "ui/wizard/user_name_page.h"
#include "ui/wizard/wizard_dialog.h"

namespace {
struct Heard {
  std::wstring name;
  long role = 0;
  long state = 0;
  std::wstring value;
};

std::wstring TakeText(BSTR text) {
  std::wstring taken = text ? std::wstring(text, SysStringLen(text)) : std::wstring();
  SysFreeString(text);
  return taken;
}

Heard Hear(HWND control) {
  Heard heard;
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(control, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&object))) ||
      !object) {
    return heard;
  }
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR text = nullptr;
  if (object->get_accName(self, &text) == S_OK) heard.name = TakeText(text);
  if (object->get_accValue(self, &text) == S_OK) heard.value = TakeText(text);
  VARIANT answer{};
  if (SUCCEEDED(object->get_accRole(self, &answer)) && answer.vt == VT_I4) heard.role = answer.lVal;
  if (SUCCEEDED(object->get_accState(self, &answer)) && answer.vt == VT_I4) heard.state = answer.lVal;
  object->Release();
  return heard;
}

// Every visible control inside `window` (panels and pages included, their own windows not), by id.
std::map<int, Heard> HearVisibleControls(HWND window) {
  std::map<int, Heard> heard;
  EnumChildWindows(
      window,
      [](HWND control, LPARAM found) {
        wchar_t className[32] = {};
        GetClassNameW(control, className, 32);
        // Child dialogs (the popup, a wizard page) only hold controls.
        if (IsWindowVisible(control) && std::wstring(className) != L"#32770") {
          (*reinterpret_cast<std::map<int, Heard>*>(found))[GetDlgCtrlID(control)] = Hear(control);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&heard));
  return heard;
}

constexpr long kKnownRoles[] = {ROLE_SYSTEM_PUSHBUTTON,  ROLE_SYSTEM_CHECKBUTTON, ROLE_SYSTEM_RADIOBUTTON,
                                ROLE_SYSTEM_COMBOBOX,    ROLE_SYSTEM_LIST,        ROLE_SYSTEM_STATICTEXT,
                                ROLE_SYSTEM_GRAPHIC,     ROLE_SYSTEM_TEXT,        ROLE_SYSTEM_PROGRESSBAR,
                                ROLE_SYSTEM_GROUPING,    ROLE_SYSTEM_IPADDRESS};

void ExpectNamedWithAKnownRole(const std::map<int, Heard>& controls) {
  ASSERT_FALSE(controls.empty());
  for (const auto& [id, heard] : controls) {
    SCOPED_TRACE(id);
    EXPECT_FALSE(heard.name.empty());
    EXPECT_NE(std::find(std::begin(kKnownRoles), std::end(kKnownRoles), heard.role), std::end(kKnownRoles))
        << "role " << heard.role;
  }
}

std::wstring WindowName(HWND window) {
  wchar_t text[128] = {};
  GetWindowTextW(window, text, 128);
  return text;
}
}  // namespace

TEST_F(MainWindowTest, EveryVisibleControlOfTheMainWindowHasANameAndItsRole) {
  LogInAsAdministrator();
  FinishVolumeStatus({{1, 450 << 20, 120 << 20, nullptr}});
  EXPECT_EQ(WindowName(window.GetSafeHwnd()), window.TitleText());

  const std::map<int, Heard> controls = HearVisibleControls(window.GetSafeHwnd());
  ExpectNamedWithAKnownRole(controls);
  EXPECT_EQ(controls.at(IDC_CONNECT).name, L"Connect");
  EXPECT_EQ(controls.at(IDC_CONNECT).role, ROLE_SYSTEM_PUSHBUTTON);
  EXPECT_EQ(controls.at(IDC_CLOSE).name, L"Close");
  EXPECT_EQ(controls.at(IDC_MINIMIZE).name, L"Minimize");
  EXPECT_EQ(controls.at(IDC_LOGOUT).name, L"Logout");
  EXPECT_EQ(controls.at(IDC_SHORTCUT_FOLDER).name, L"Folder");
  EXPECT_EQ(controls.at(IDC_DEVICE_LIST).role, ROLE_SYSTEM_COMBOBOX);
  EXPECT_EQ(controls.at(IDC_DEVICE_LIST).name, L"Select NAS");
  EXPECT_EQ(controls.at(IDC_DEVICE_LIST).value, L"NAS-01");
  EXPECT_EQ(controls.at(IDC_MAIN_TITLE).role, ROLE_SYSTEM_STATICTEXT);
  EXPECT_EQ(controls.at(IDC_MAIN_WELCOME).name, L"Welcome admin");
  EXPECT_EQ(controls.at(IDC_INFO_VOLUME_0).name, L"Volume_1");
  EXPECT_EQ(controls.at(IDC_INFO_VOLUME_0).value, L"120G Used/450G Available");
  EXPECT_EQ(controls.at(IDC_MAIN_LOGO).role, ROLE_SYSTEM_GRAPHIC);
  // Disabled buttons say so; a screen reader skips nothing that is shown.
  window.SendMessage(WM_COMMAND, IDC_LOGOUT);
  EXPECT_TRUE(Hear(window.GetDlgItem(IDC_SHORTCUT_WIZARD)).state & STATE_SYSTEM_UNAVAILABLE);
}

TEST_F(MainWindowTest, TheShareListTellsItsSharesAndWhichIsChosen) {
  LogInAsAdministrator();
  window.SendMessage(WM_COMMAND, IDC_SHORTCUT_FOLDER);
  ShareList() = {{u"public", u""}, {u"a-rather-long-share-name", u""}};
  door.Finish(door.Last(DoorCall::kGetShareInfo));
  Deliver();
  HWND list = window.Popup().ShareList()->GetSafeHwnd();
  SendMessageW(list, WM_KEYDOWN, VK_RIGHT, 0);
  SendMessageW(list, WM_KEYDOWN, VK_RIGHT, 0);

  IAccessible* object = nullptr;
  ASSERT_EQ(AccessibleObjectFromWindow(list, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&object)), S_OK);
  LONG count = 0;
  EXPECT_EQ(object->get_accChildCount(&count), S_OK);
  EXPECT_EQ(count, 2);
  VARIANT second{};
  second.vt = VT_I4;
  second.lVal = 2;
  BSTR name = nullptr;
  ASSERT_EQ(object->get_accName(second, &name), S_OK);
  EXPECT_EQ(TakeText(name), L"a-rather-long-share-name");  // whole, though the panel shortens it
  VARIANT state{};
  ASSERT_EQ(object->get_accState(second, &state), S_OK);
  EXPECT_TRUE(state.lVal & STATE_SYSTEM_SELECTED);
  VARIANT role{};
  object->get_accRole(second, &role);
  EXPECT_EQ(role.lVal, ROLE_SYSTEM_LISTITEM);
  object->Release();
}

TEST_F(MainWindowTest, TheDialogsAndTheWizardPageNameEveryVisibleControl) {
  Open();
  CLoginDialog login(window.GetSafeHwnd());
  ASSERT_TRUE(login.Create());
  login.ShowWindow(SW_SHOWNOACTIVATE);
  EXPECT_EQ(WindowName(login.GetSafeHwnd()), L"Connect NAS");
  std::map<int, Heard> controls = HearVisibleControls(login.GetSafeHwnd());
  ExpectNamedWithAKnownRole(controls);
  EXPECT_EQ(controls.at(IDC_LOGIN_USER_NAME).name, L"User Name");
  EXPECT_EQ(controls.at(IDC_LOGIN_USER_NAME).role, ROLE_SYSTEM_TEXT);
  EXPECT_EQ(controls.at(IDC_LOGIN_PASSWORD).name, L"Password");
  EXPECT_TRUE(controls.at(IDC_LOGIN_PASSWORD).state & STATE_SYSTEM_PROTECTED);
  EXPECT_EQ(controls.at(IDC_LOGIN_REMEMBER).role, ROLE_SYSTEM_CHECKBUTTON);
  EXPECT_EQ(controls.at(IDC_LOGIN_OK).role, ROLE_SYSTEM_PUSHBUTTON);
  login.DestroyWindow();

  CSettingsDialog settings(window.GetSafeHwnd());
  ASSERT_TRUE(settings.Create());
  settings.ShowWindow(SW_SHOWNOACTIVATE);
  EXPECT_EQ(WindowName(settings.GetSafeHwnd()), L"Settings");
  controls = HearVisibleControls(settings.GetSafeHwnd());
  ExpectNamedWithAKnownRole(controls);
  EXPECT_EQ(controls.at(IDC_LOGOUT_15_MIN).role, ROLE_SYSTEM_RADIOBUTTON);
  settings.DestroyWindow();

  CWizardDialog wizard(window.GetSafeHwnd(), true);
  CUserNamePage page;
  wizard.AddPage(&page, L"Password", IDD_WIZARD_PASSWORD);
  ASSERT_TRUE(wizard.Create());
  wizard.ShowWindow(SW_SHOWNOACTIVATE);
  EXPECT_EQ(WindowName(wizard.GetSafeHwnd()), L"Wizard - Password");
  controls = HearVisibleControls(wizard.GetSafeHwnd());
  ExpectNamedWithAKnownRole(controls);
  EXPECT_EQ(controls.at(IDC_PASSWORD_PAGE_CONFIRM).name, L"Confirm Password");
  EXPECT_EQ(controls.at(IDC_WIZARD_STEP_TIME_ZONE).name, L"TimeZone");
  // The work starts at the page's first field.
  EXPECT_EQ(GetFocus(), page.GetDlgItem(IDC_PASSWORD_PAGE_PASSWORD));
  wizard.DestroyWindow();
}
