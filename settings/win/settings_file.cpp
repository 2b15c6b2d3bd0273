#include "settings/win/settings_file.h"

#include <windows.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <string_view>

namespace {

// The longest path the file may have: the path buffers hold 1024 characters with the zero.
constexpr std::size_t kMaxPathLength = 1023;

// A line break (or a zero) inside a name or a value would split the file's lines and let a
// device name, which comes from the network, add keys of its own.
bool FitsOnOneLine(const std::wstring& text) {
  constexpr std::wstring_view kBreaks(L"\r\n\0", 3);
  return text.find_first_of(kBreaks.data(), 0, kBreaks.size()) == std::wstring::npos;
}

}  // namespace

std::wstring RoamingAppDataFolder() {
  wchar_t folder[kMaxPathLength + 1] = {};
  if (!SHGetSpecialFolderPathW(nullptr, folder, CSIDL_APPDATA, FALSE)) return {};
  return folder;
}

SettingsFile::SettingsFile(AppDataFolderLookup appData) : appData_(std::move(appData)) {}

bool SettingsFile::ResolvePath() {
  std::lock_guard<std::mutex> guard(lock_);
  std::wstring folder = appData_ ? appData_() : std::wstring();
  if (folder.empty()) return false;
  if (folder.back() == L'\\') folder.pop_back();
  const std::wstring settingsFolder = folder + L"\\Tamsel\\";
  std::wstring path = settingsFolder + L"Tamsel.ini";
  if (path.size() > kMaxPathLength) return false;
  // Another program starting at the same moment may create the folder between the two calls.
  if (!PathFileExistsW(settingsFolder.c_str()) &&
      !CreateDirectoryW(settingsFolder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
    return false;
  path_ = std::move(path);
  return true;
}

std::wstring SettingsFile::Path() {
  std::lock_guard<std::mutex> guard(lock_);
  return path_;
}

void SettingsFile::Relocate(AppDataFolderLookup appData) {
  std::lock_guard<std::mutex> guard(lock_);
  appData_ = std::move(appData);
  path_.clear();
}

std::wstring SettingsFile::ResolvedPath() {
  std::wstring path = Path();
  if (path.empty() && ResolvePath()) path = Path();
  return path;
}

bool SettingsFile::Read(const std::wstring& section, const std::wstring& key, std::wstring& out) {
  if (!FitsOnOneLine(section) || !FitsOnOneLine(key)) return false;
  const std::wstring path = ResolvedPath();
  if (path.empty()) return false;
  wchar_t value[kMaxValueLength + 1];
  const DWORD length = GetPrivateProfileStringW(section.c_str(), key.c_str(), L"", value,
                                                kMaxValueLength + 1, path.c_str());
  if (length == 0) return false;
  out.assign(value, length);
  return true;
}

void SettingsFile::Write(const std::wstring& section, const std::wstring& key,
                         const std::wstring& value) {
  if (!FitsOnOneLine(section) || !FitsOnOneLine(key) || !FitsOnOneLine(value)) return;
  const std::wstring path = ResolvedPath();
  if (path.empty()) return;
  WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), path.c_str());
}

void SettingsFile::Clear(const std::wstring& section, const std::wstring& key) {
  Write(section, key, std::wstring());
}

SettingsFile& ProcessSettings() {
  static SettingsFile file;
  return file;
}

bool ResolveSettingsPath() { return ProcessSettings().ResolvePath(); }

bool ReadSetting(const std::wstring& section, const std::wstring& key, std::wstring& out) {
  return ProcessSettings().Read(section, key, out);
}

void WriteSetting(const std::wstring& section, const std::wstring& key, const std::wstring& value) {
  ProcessSettings().Write(section, key, value);
}

void ClearSetting(const std::wstring& section, const std::wstring& key) {
  ProcessSettings().Clear(section, key);
}
