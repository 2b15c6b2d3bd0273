// The program's resources: every dialog template with the control ids its window attaches to, the
// window backgrounds at the windows' sizes, the icon, the version block and common controls 6.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlwapi.h>

#include <map>
#include <vector>

#include "res/resource.h"
#include "res/version.h"
#include "skin/gdiplus_bitmap.h"
#include "framework/dialog.h"
#include "framework/tests/support/ui_test_support.h"

namespace {
// The custom controls register their classes elsewhere; plain windows stand in for them here.
void RegisterStandInClasses() {
  for (const wchar_t* name : {L"SkinIPAddress", L"FolderListWnd", L"VolumeInfoWnd"}) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = name;
    RegisterClassW(&windowClass);
  }
}

const std::map<UINT, std::vector<int>>& TemplateControls() {
  static const std::map<UINT, std::vector<int>> controls = {
      {IDD_MAIN,
       {IDC_SHORTCUT_WIZARD, IDC_SHORTCUT_FOLDER, IDC_SHORTCUT_PLAY_CENTER, IDC_SHORTCUT_MANAGEMENT_CENTER,
        IDC_SHORTCUT_DOWNLOAD_CENTER, IDC_SHORTCUT_BACKUP_CENTER, IDC_MAIN_NETWORK, IDC_MAIN_DRIVE_MAPPING,
        IDC_SHORTCUT_SURVEILLANCE_CENTER, IDC_CONNECT, IDC_REFRESH, IDC_LOGOUT, IDC_SETTINGS, IDC_MAIN_HELP,
        IDC_DEVICE_LIST, IDC_SELECT_SHORTCUT, IDC_AUTO_SORTING, IDC_SELECT_NAS_LABEL, IDC_MAIN_COPYRIGHT,
        IDC_SHORTCUT_FILE_CENTER, IDC_MINIMIZE, IDC_CLOSE, IDC_MAIN_TITLE, IDC_MAIN_WELCOME, IDC_MAIN_LOGO}},
      {IDD_LOGIN,
       {IDC_LOGIN_USER_NAME, IDC_LOGIN_PASSWORD, IDC_LOGIN_REMEMBER, IDC_LOGIN_OK, IDC_LOGIN_CANCEL,
        IDC_LOGIN_LOGO, IDC_LOGIN_USER_NAME_LABEL, IDC_LOGIN_PASSWORD_LABEL, IDC_LOGIN_HINT,
        IDC_LOGIN_MODIFY_PASSWORD, IDC_LOGIN_OLD_PASSWORD, IDC_LOGIN_NEW_PASSWORD,
        IDC_LOGIN_CONFIRM_PASSWORD, IDC_LOGIN_OLD_PASSWORD_LABEL, IDC_LOGIN_NEW_PASSWORD_LABEL,
        IDC_LOGIN_CONFIRM_PASSWORD_LABEL}},
      {IDD_SETTINGS,
       {IDC_SETTINGS_LOGOUT_TIME_TAB, IDC_SETTINGS_SHORTCUT_TAB, IDC_SETTINGS_OK, IDC_SETTINGS_CANCEL,
        IDC_SETTINGS_SHOW_WIZARD, IDC_SETTINGS_SHOW_FOLDER, IDC_SETTINGS_SHOW_PLAY_CENTER,
        IDC_SETTINGS_SHOW_MANAGE_CENTER, IDC_SETTINGS_SHOW_DOWNLOAD_CENTER, IDC_SETTINGS_SHOW_BACKUP_CENTER,
        IDC_SETTINGS_SHOW_NETWORK, IDC_SETTINGS_SHOW_DRIVE_MAPPING, IDC_SETTINGS_SHOW_SURVEILLANCE_CENTER,
        IDC_SETTINGS_SHOW_FILE_CENTER, IDC_LOGOUT_1_MIN, IDC_LOGOUT_3_MIN, IDC_LOGOUT_5_MIN,
        IDC_LOGOUT_15_MIN, IDC_LOGOUT_30_MIN, IDC_LOGOUT_60_MIN, IDC_LOGOUT_MANUALLY, IDC_SETTINGS_LOGO,
        IDC_SETTINGS_TITLE, IDC_SETTINGS_HINT, IDC_SETTINGS_CLOSE}},
      {IDD_INFO_POPUP,
       {IDC_INFO_SHARE_LIST, IDC_INFO_NAME, IDC_INFO_ADDRESS, IDC_INFO_MASK, IDC_INFO_GATEWAY,
        IDC_INFO_VOLUME_0, IDC_INFO_VOLUME_1, IDC_INFO_VOLUME_2, IDC_INFO_VOLUME_3}},
      {IDD_WIZARD,
       {IDC_WIZARD_SKIP, IDC_WIZARD_PREVIOUS, IDC_WIZARD_NEXT, IDC_WIZARD_EXIT, IDC_WIZARD_PAGE_AREA,
        IDC_WIZARD_FINISH, IDC_WIZARD_STEP_PASSWORD, IDC_WIZARD_STEP_DEVICE_INFO, IDC_WIZARD_STEP_TIME_ZONE,
        IDC_WIZARD_STEP_NETWORK, IDC_WIZARD_STEP_RAID, IDC_WIZARD_STEP_DRIVE_MAPPING, IDC_WIZARD_CLOSE,
        IDC_WIZARD_TITLE, IDC_WIZARD_PAGE_NAME, IDC_WIZARD_LOGO}},
      {IDD_WIZARD_PASSWORD,
       {IDC_PASSWORD_PAGE_PASSWORD, IDC_PASSWORD_PAGE_CONFIRM, IDC_PASSWORD_PAGE_PASSWORD_LABEL,
        IDC_PASSWORD_PAGE_CONFIRM_LABEL}},
      {IDD_WIZARD_DEVICE_INFO,
       {IDC_DEVICE_PAGE_WORKGROUP, IDC_DEVICE_PAGE_NAME, IDC_DEVICE_PAGE_DESCRIPTION,
        IDC_DEVICE_PAGE_WORKGROUP_LABEL, IDC_DEVICE_PAGE_NAME_LABEL, IDC_DEVICE_PAGE_DESCRIPTION_LABEL}},
      {IDD_WIZARD_TIME_ZONE,
       {IDC_TIME_ZONE_LIST, IDC_TIME_ZONE_UP, IDC_TIME_ZONE_DOWN}},
      {IDD_WIZARD_NETWORK,
       {IDC_NETWORK_PAGE_DHCP, IDC_NETWORK_PAGE_STATIC, IDC_NETWORK_PAGE_IP_LABEL,
        IDC_NETWORK_PAGE_MASK_LABEL, IDC_NETWORK_PAGE_GATEWAY_LABEL, IDC_NETWORK_PAGE_DNS1_LABEL,
        IDC_NETWORK_PAGE_DNS2_LABEL, IDC_NETWORK_PAGE_IP, IDC_NETWORK_PAGE_MASK, IDC_NETWORK_PAGE_GATEWAY,
        IDC_NETWORK_PAGE_DNS1, IDC_NETWORK_PAGE_DNS2}},
      {IDD_WIZARD_RAID,
       {IDC_RAID_STANDARD, IDC_RAID_0, IDC_RAID_JBOD, IDC_RAID_1}},
      {IDD_WIZARD_DRIVE_MAPPING,
       {IDC_DRIVE_MAPPING_LIST}},
      {IDD_DEVICE_IP,
       {IDC_SETIP_DHCP, IDC_SETIP_STATIC, IDC_SETIP_IP_LABEL, IDC_SETIP_MASK_LABEL, IDC_SETIP_GATEWAY_LABEL,
        IDC_SETIP_DNS1_LABEL, IDC_SETIP_DNS2_LABEL, IDC_SETIP_IP, IDC_SETIP_MASK, IDC_SETIP_GATEWAY,
        IDC_SETIP_DNS1, IDC_SETIP_DNS2, IDC_SETIP_OK, IDC_SETIP_CANCEL}},
      {IDD_FORMAT_PROGRESS,
       {IDC_FORMAT_CLOSE, IDC_FORMAT_PROGRESS, IDC_FORMAT_OK, IDC_FORMAT_CANCEL, IDC_FORMAT_TITLE,
        IDC_FORMAT_PERCENT, IDC_FORMAT_MESSAGE, IDC_FORMAT_SUCCESS_PICTURE}},
  };
  return controls;
}

// The popup panel and the wizard pages are child windows: they need a parent.
bool IsChildTemplate(UINT templateId) {
  return templateId == IDD_INFO_POPUP || (templateId >= IDD_WIZARD_PASSWORD && templateId <= IDD_WIZARD_DRIVE_MAPPING);
}

DWORD ButtonType(HWND dialog, int id) { return static_cast<DWORD>(GetWindowLongPtrW(GetDlgItem(dialog, id), GWL_STYLE)) & BS_TYPEMASK; }
}  // namespace

TEST(Resources, EveryTemplateHoldsTheControlsItsWindowAttaches) {
  RegisterStandInClasses();
  CDialog host(IDD_MAIN);
  ASSERT_TRUE(host.Create());
  for (const auto& [templateId, ids] : TemplateControls()) {
    CDialog dialog(templateId, IsChildTemplate(templateId) ? host.GetSafeHwnd() : nullptr);
    ASSERT_TRUE(dialog.Create()) << "template " << templateId;
    EXPECT_EQ((dialog.GetStyle() & WS_CHILD) != 0, IsChildTemplate(templateId)) << "template " << templateId;
    for (int id : ids) EXPECT_NE(dialog.GetDlgItem(id), nullptr) << "template " << templateId << " control " << id;
  }
}

TEST(Resources, CheckBoxesAndRadioGroupsHaveTheirStyles) {
  RegisterStandInClasses();
  CDialog settings(IDD_SETTINGS);
  ASSERT_TRUE(settings.Create());
  for (int id : {IDC_LOGOUT_1_MIN, IDC_LOGOUT_3_MIN, IDC_LOGOUT_60_MIN, IDC_LOGOUT_MANUALLY}) EXPECT_EQ(ButtonType(settings.GetSafeHwnd(), id), static_cast<DWORD>(BS_AUTORADIOBUTTON));
  EXPECT_EQ(ButtonType(settings.GetSafeHwnd(), IDC_SETTINGS_SHOW_WIZARD), static_cast<DWORD>(BS_AUTOCHECKBOX));
  // The seven time choices are one group: the walk from the last comes back round to the first.
  HWND last = settings.GetDlgItem(IDC_LOGOUT_MANUALLY);
  EXPECT_EQ(GetNextDlgGroupItem(settings.GetSafeHwnd(), last, FALSE), settings.GetDlgItem(IDC_LOGOUT_1_MIN));

  CDialog login(IDD_LOGIN);
  ASSERT_TRUE(login.Create());
  EXPECT_EQ(ButtonType(login.GetSafeHwnd(), IDC_LOGIN_REMEMBER), static_cast<DWORD>(BS_AUTOCHECKBOX));
  EXPECT_NE(GetWindowLongPtrW(login.GetDlgItem(IDC_LOGIN_PASSWORD), GWL_STYLE) & ES_PASSWORD, 0);

  CDialog host(IDD_MAIN);
  ASSERT_TRUE(host.Create());
  CDialog network(IDD_WIZARD_NETWORK, host.GetSafeHwnd());
  ASSERT_TRUE(network.Create());
  EXPECT_EQ(GetNextDlgGroupItem(network.GetSafeHwnd(), network.GetDlgItem(IDC_NETWORK_PAGE_STATIC), FALSE), network.GetDlgItem(IDC_NETWORK_PAGE_DHCP));
}

TEST(Resources, BackgroundsHaveTheSizesOfTheirWindows) {
  const struct {
    UINT id;
    int width, height;
  } backgrounds[] = {{IDB_MAIN_BACKGROUND, 900, 600}, {IDB_LOGIN_BACKGROUND, 605, 397}, {IDB_WIZARD_BACKGROUND, 774, 506}};
  for (const auto& background : backgrounds) {
    CGdiPlusBitmapResource image;
    ASSERT_TRUE(image.Load(background.id)) << background.id;
    EXPECT_EQ(image.Width(), background.width) << background.id;
    EXPECT_EQ(image.Height(), background.height) << background.id;
  }
}

TEST(Resources, ApplicationIconInTheSizesWindowsAsksFor) {
  for (int size : {16, 32, 48}) {
    HICON icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON, size, size, 0));
    ASSERT_NE(icon, nullptr) << size;
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bitmap{};
    GetObjectW(info.hbmColor, sizeof(bitmap), &bitmap);
    EXPECT_EQ(bitmap.bmWidth, size);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
}

TEST(Resources, VersionBlockCarriesTheProductVersion) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  DWORD handle = 0;
  DWORD size = GetFileVersionInfoSizeW(path, &handle);
  ASSERT_GT(size, 0u);
  std::vector<BYTE> block(size);
  ASSERT_TRUE(GetFileVersionInfoW(path, 0, size, block.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(HIWORD(fixed->dwProductVersionMS), DROVIK_VERSION_MAJOR);
  EXPECT_EQ(LOWORD(fixed->dwProductVersionMS), DROVIK_VERSION_MINOR);
  EXPECT_EQ(HIWORD(fixed->dwProductVersionLS), DROVIK_VERSION_BUILD);
  EXPECT_EQ(LOWORD(fixed->dwProductVersionLS), DROVIK_VERSION_REVISION);
}

TEST(Resources, ManifestBringsCommonControlsSix) {
  // Version 6 is the side-by-side assembly (Wine's reports 5.81 from DllGetVersion, so the
  // assembly's path is what tells).
  HMODULE comctl = GetModuleHandleW(L"comctl32.dll");
  ASSERT_NE(comctl, nullptr);
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(comctl, path, MAX_PATH);
  CharLowerW(path);
  EXPECT_NE(std::wstring(path).find(L"microsoft.windows.common-controls"), std::wstring::npos) << path;
}
