#include "settings/win/settings_file.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "settings/setting_names.h"
#include "settings/win/stored_password.h"
#include "settings/win/tests/temp_app_data.h"

namespace {

namespace fs = std::filesystem;

std::string FileText(const std::wstring& path) {
  std::ifstream in(fs::path(path), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::wstring ReadOr(SettingsFile& file, const std::wstring& section, const std::wstring& key,
                    const std::wstring& absent = L"<absent>") {
  std::wstring value = absent;
  return file.Read(section, key, value) ? value : absent;
}

TEST(SettingsFile, AFreshProfileGetsItsFolderOnFirstUse) {
  TempAppData appData;
  SettingsFile file(appData.Lookup());
  EXPECT_EQ(file.Path(), L"");

  std::wstring value = L"untouched";
  EXPECT_FALSE(file.Read(kServNameSetting.section, kServNameSetting.key, value));
  EXPECT_EQ(value, L"untouched");
  EXPECT_EQ(file.Path(), appData.SettingsPath());
  EXPECT_TRUE(fs::is_directory(appData.Folder() + L"\\Tamsel"));
  EXPECT_FALSE(fs::exists(appData.SettingsPath()));

  file.Write(kServNameSetting.section, kServNameSetting.key, L"NAS-1");
  EXPECT_TRUE(fs::exists(appData.SettingsPath()));
  EXPECT_EQ(ReadOr(file, kServNameSetting.section, kServNameSetting.key), L"NAS-1");
  EXPECT_NE(FileText(appData.SettingsPath()).find("ServName=NAS-1"), std::string::npos);
}

TEST(SettingsFile, TheFolderIsLookedUpUntilItIsFoundAndThenKept) {
  TempAppData appData;
  const std::wstring missing = appData.Folder() + L"\\Roaming";
  int lookups = 0;
  bool noFolder = true;
  SettingsFile file([&] {
    ++lookups;
    return noFolder ? std::wstring() : missing;
  });

  std::wstring value;
  EXPECT_FALSE(file.Read(L"Current", L"ServName", value));
  file.Write(L"Current", L"ServName", L"dropped");
  EXPECT_EQ(lookups, 2);

  // A folder that does not exist: the settings folder cannot be made in it.
  noFolder = false;
  file.Write(L"Current", L"ServName", L"dropped");
  EXPECT_EQ(file.Path(), L"");
  EXPECT_FALSE(fs::exists(missing));
  EXPECT_EQ(lookups, 3);

  fs::create_directory(missing);
  file.Write(L"Current", L"ServName", L"kept");
  EXPECT_EQ(file.Path(), missing + L"\\Tamsel\\Tamsel.ini");
  EXPECT_EQ(ReadOr(file, L"Current", L"ServName"), L"kept");
  file.Clear(L"Current", L"ServName");
  EXPECT_EQ(lookups, 4);
}

TEST(SettingsFile, ARelocatedFileIsFoundAgainInItsNewFolder) {
  TempAppData first;
  TempAppData second;
  SettingsFile file(first.Lookup());
  file.Write(kServNameSetting.section, kServNameSetting.key, L"NAS-A");
  file.Relocate(second.Lookup());
  EXPECT_EQ(ReadOr(file, kServNameSetting.section, kServNameSetting.key), L"<absent>");
  file.Write(kServNameSetting.section, kServNameSetting.key, L"NAS-B");
  EXPECT_EQ(file.Path(), second.SettingsPath());
  EXPECT_NE(FileText(first.SettingsPath()).find("NAS-A"), std::string::npos);
  EXPECT_NE(FileText(second.SettingsPath()).find("NAS-B"), std::string::npos);
}

TEST(SettingsFile, AFolderWithATrailingBackslashGetsNoDoubleOne) {
  TempAppData appData;
  SettingsFile file([&] { return appData.Folder() + L"\\"; });
  ASSERT_TRUE(file.ResolvePath());
  EXPECT_EQ(file.Path(), appData.SettingsPath());
}

TEST(SettingsFile, APathTooLongForItsBufferIsNotUsed) {
  TempAppData appData;
  SettingsFile file([&] { return appData.Folder() + L"\\" + std::wstring(1000, L'x'); });
  EXPECT_FALSE(file.ResolvePath());
  EXPECT_EQ(file.Path(), L"");
}

TEST(SettingsFile, AClearedKeyReadsAsAbsentButStaysInTheFile) {
  TempAppData appData;
  SettingsFile file(appData.Lookup());
  file.Write(L"NAS-1", kUserNameKey, L"alice");
  file.Clear(L"NAS-1", kUserNameKey);
  std::wstring value = L"untouched";
  EXPECT_FALSE(file.Read(L"NAS-1", kUserNameKey, value));
  EXPECT_EQ(value, L"untouched");
  EXPECT_NE(FileText(appData.SettingsPath()).find("UserName=\r\n"), std::string::npos);
  EXPECT_FALSE(file.Read(L"NAS-1", L"NoSuchKey", value));
  EXPECT_FALSE(file.Read(L"NoSuchSection", kUserNameKey, value));
}

TEST(SettingsFile, NamesCompareWithoutRegardToCase) {
  TempAppData appData;
  SettingsFile file(appData.Lookup());
  file.Write(L"Current", L"LoginOutTime", L"180000:");
  EXPECT_EQ(ReadOr(file, L"CURRENT", L"loginouttime"), L"180000:");
  file.Write(L"current", L"LOGINOUTTIME", L"0:");
  EXPECT_EQ(ReadOr(file, kLoginOutTimeSetting.section, kLoginOutTimeSetting.key), L"0:");
  EXPECT_EQ(FileText(appData.SettingsPath()).find("LOGINOUTTIME"), std::string::npos);
}

TEST(SettingsFile, TwoDevicesKeepSeparateCredentialsAndShareTheFirstOpenFlag) {
  TempAppData appData;
  SettingsFile file(appData.Lookup());
  file.Write(L"NAS-1", kUserNameKey, L"admin");
  file.Write(L"NAS-1", kPassWordKey, EncodeStoredPassword(L"one"));
  file.Write(L"NAS-2", kUserNameKey, L"guest");
  file.Write(L"NAS-2", kPassWordKey, EncodeStoredPassword(L"two"));
  file.Write(kFirstOpenSetting.section, kFirstOpenSetting.key, kFirstOpenShown);

  file.Clear(L"NAS-2", kPassWordKey);
  EXPECT_EQ(ReadOr(file, L"NAS-1", kUserNameKey), L"admin");
  EXPECT_EQ(DecodeStoredPassword(ReadOr(file, L"NAS-1", kPassWordKey)), L"one");
  EXPECT_EQ(ReadOr(file, L"NAS-2", kUserNameKey), L"guest");
  EXPECT_EQ(ReadOr(file, L"NAS-2", kPassWordKey), L"<absent>");
  EXPECT_EQ(ReadOr(file, kFirstOpenSetting.section, kFirstOpenSetting.key), L"FALSE");
}

TEST(SettingsFile, WritesToAReadOnlyFileAreDroppedQuietly) {
  TempAppData appData;
  SettingsFile file(appData.Lookup());
  file.Write(L"Current", L"ServName", L"before");
  const std::string before = FileText(appData.SettingsPath());
  ASSERT_TRUE(SetFileAttributesW(appData.SettingsPath().c_str(), FILE_ATTRIBUTE_READONLY));
  // The attribute alone does not stop an administrator's writes under every emulator; a handle
  // that lets others only read does.
  const HANDLE reader = CreateFileW(appData.SettingsPath().c_str(), GENERIC_READ, FILE_SHARE_READ,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);

  file.Write(L"Current", L"ServName", L"after");
  file.Clear(L"Current", L"ServName");
  file.Write(L"Used", L"FirstOpen", L"FALSE");
  EXPECT_EQ(FileText(appData.SettingsPath()), before);
  EXPECT_EQ(ReadOr(file, L"Current", L"ServName"), L"before");
  CloseHandle(reader);
  EXPECT_EQ(ReadOr(file, L"Current", L"ServName"), L"before");
  EXPECT_EQ(ReadOr(file, L"Used", L"FirstOpen"), L"<absent>");
}

TEST(SettingsFile, ValuesComeBackWithAtMost1023Characters) {
  TempAppData appData;
  SettingsFile file(appData.Lookup());
  const std::wstring longest(SettingsFile::kMaxValueLength, L'v');
  file.Write(L"Current", L"ServName", longest);
  EXPECT_EQ(ReadOr(file, L"Current", L"ServName"), longest);
  file.Write(L"Current", L"ServName", longest + L"tail");
  EXPECT_EQ(ReadOr(file, L"Current", L"ServName"), longest);
}

TEST(SettingsFile, TextThatWouldBreakTheLinesIsNotWritten) {
  TempAppData appData;
  SettingsFile file(appData.Lookup());
  file.Write(L"Used", L"FirstOpen", L"FALSE");
  const std::string before = FileText(appData.SettingsPath());
  // A device name made up to smuggle a "Language" key into the file.
  file.Write(L"NAS]\r\n[Language", L"Language", L"CHS");
  file.Write(L"Current", L"ServName", L"NAS\r\nLanguage=CHS");
  file.Write(std::wstring(L"NAS\0x", 5), kUserNameKey, L"admin");
  EXPECT_EQ(FileText(appData.SettingsPath()), before);
  EXPECT_EQ(ReadOr(file, L"NAS]\r\n[Language", L"Language"), L"<absent>");
}

TEST(SettingsFile, TheProcessFileLivesInTheUsersRoamingFolder) {
  const std::wstring roaming = RoamingAppDataFolder();
  ASSERT_NE(roaming, L"");
  ASSERT_TRUE(ResolveSettingsPath());
  EXPECT_EQ(ProcessSettings().Path(), roaming + L"\\Tamsel\\Tamsel.ini");
  EXPECT_TRUE(fs::is_directory(roaming + L"\\Tamsel"));
  std::wstring value = L"untouched";
  EXPECT_FALSE(ReadSetting(L"Drovik test section", L"never written", value));
  EXPECT_EQ(value, L"untouched");
}

}  // namespace
