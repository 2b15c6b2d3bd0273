// The program's resources: every dialog template with the control ids its window attaches to, the
// window backgrounds at the windows' sizes, the icon, the version block and common controls 6.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlwapi.h>

#include <map>
#include <vector>

#include "res/version.h"
#include "skin/gdiplus_bitmap.h"
#include "ui/framework/dialog.h"
#include "ui/framework/tests/support/ui_test_support.h"

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

std::vector<int> Range(int first, int last) {
  std::vector<int> ids;
  for (int id = first; id <= last; ++id) ids.push_back(id);
  return ids;
}

std::vector<int> Join(std::vector<int> ids, const std::vector<int>& more) {
  ids.insert(ids.end(), more.begin(), more.end());
  return ids;
}

const std::map<UINT, std::vector<int>>& TemplateControls() {
  static const std::map<UINT, std::vector<int>> controls = {
      {102, Join(Range(1000, 1018), {1079, 1080, 1082, 1150, 1151, 1152})},
      {129, Join(Range(1018, 1026), Range(1083, 1089))},
      {130, Join(Range(1027, 1048), {1050, 1090, 1091})},
      {131, Join(Range(1128, 1132), Range(1138, 1141))},
      {132, {1049, 1051, 1052, 1053, 1054, 1055, 1056, 1057, 1058, 1059, 1062, 1065, 1092, 1093, 1094, 1095}},
      {133, {1060, 1063, 1096, 1097}},
      {134, {1061, 1064, 1066, 1098, 1099, 1100}},
      {135, {1067, 1101, 1102}},
      {136, Join(Join(Range(1103, 1108), Range(1133, 1137)), {1068, 1069, 1070, 1072, 1074, 1077})},
      {137, {1071, 1073, 1075, 1078}},
      {138, {1076}},
      {141, Join(Range(1109, 1120), Range(1143, 1149))},
      {213, Join(Range(1121, 1127), {1153})},
  };
  return controls;
}

// The popup panel and the wizard pages are child windows: they need a parent.
bool IsChildTemplate(UINT templateId) { return templateId == 131 || (templateId >= 133 && templateId <= 138); }

DWORD ButtonType(HWND dialog, int id) { return static_cast<DWORD>(GetWindowLongPtrW(GetDlgItem(dialog, id), GWL_STYLE)) & BS_TYPEMASK; }
}  // namespace

TEST(Resources, EveryTemplateHoldsTheControlsItsWindowAttaches) {
  RegisterStandInClasses();
  CDialog host(102);
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
  CDialog settings(130);
  ASSERT_TRUE(settings.Create());
  for (int id : {1040, 1041, 1045, 1050}) EXPECT_EQ(ButtonType(settings.GetSafeHwnd(), id), static_cast<DWORD>(BS_AUTORADIOBUTTON));
  EXPECT_EQ(ButtonType(settings.GetSafeHwnd(), 1031), static_cast<DWORD>(BS_AUTOCHECKBOX));
  // The seven time choices are one group: the walk from the last comes back round to the first.
  HWND last = settings.GetDlgItem(1050);
  EXPECT_EQ(GetNextDlgGroupItem(settings.GetSafeHwnd(), last, FALSE), settings.GetDlgItem(1040));

  CDialog login(129);
  ASSERT_TRUE(login.Create());
  EXPECT_EQ(ButtonType(login.GetSafeHwnd(), 1020), static_cast<DWORD>(BS_AUTOCHECKBOX));
  EXPECT_NE(GetWindowLongPtrW(login.GetDlgItem(1019), GWL_STYLE) & ES_PASSWORD, 0);

  CDialog host(102);
  ASSERT_TRUE(host.Create());
  CDialog network(136, host.GetSafeHwnd());
  ASSERT_TRUE(network.Create());
  EXPECT_EQ(GetNextDlgGroupItem(network.GetSafeHwnd(), network.GetDlgItem(1103), FALSE), network.GetDlgItem(1068));
}

TEST(Resources, BackgroundsHaveTheSizesOfTheirWindows) {
  const struct {
    UINT id;
    int width, height;
  } backgrounds[] = {{227, 900, 600}, {160, 605, 397}, {169, 774, 506}};
  for (const auto& background : backgrounds) {
    CGdiPlusBitmapResource image;
    ASSERT_TRUE(image.Load(background.id)) << background.id;
    EXPECT_EQ(image.Width(), background.width) << background.id;
    EXPECT_EQ(image.Height(), background.height) << background.id;
  }
}

TEST(Resources, ApplicationIconInTheSizesWindowsAsksFor) {
  for (int size : {16, 32, 48}) {
    HICON icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(128), IMAGE_ICON, size, size, 0));
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
