// A fresh, empty folder standing in for the user's roaming application-data folder, removed with
// everything in it at the end of the test.
#pragma once
#include <windows.h>

#include <atomic>
#include <filesystem>
#include <string>

#include "settings/win/settings_file.h"

class TempAppData {
public:
  TempAppData() {
    static std::atomic<int> serial{0};
    folder_ = std::filesystem::temp_directory_path() /
              (L"drovik-appdata-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
               std::to_wstring(serial++));
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
  }
  ~TempAppData() {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder_, ignored))
      SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    std::filesystem::remove_all(folder_, ignored);
  }
  TempAppData(const TempAppData&) = delete;
  TempAppData& operator=(const TempAppData&) = delete;

  std::wstring Folder() const { return folder_.wstring(); }
  std::wstring SettingsPath() const { return Folder() + L"\\Tamsel\\Tamsel.ini"; }
  // A settings file that lives in this folder.
  AppDataFolderLookup Lookup() const {
    return [folder = Folder()] { return folder; };
  }

private:
  std::filesystem::path folder_;
};
