// The per-user settings file, "Tamsel\Tamsel.ini" in the roaming application-data folder, read and
// written through the platform's private-profile functions (names compare without regard to
// case). Every failure is silent: reads report nothing, writes are dropped, and the next call
// tries to find the file again. The sections and keys are in settings/setting_names.h.
#pragma once
#include <functional>
#include <mutex>
#include <string>

// The folder under which the settings folder lives; empty when there is none.
using AppDataFolderLookup = std::function<std::wstring()>;

// The user's roaming application-data folder, as the shell reports it.
std::wstring RoamingAppDataFolder();

class SettingsFile {
public:
  // Values come back with at most this many characters.
  static constexpr std::size_t kMaxValueLength = 1023;

  explicit SettingsFile(AppDataFolderLookup appData = RoamingAppDataFolder);

  // Looks the folder up again, creates the "Tamsel" folder in it when missing and keeps the file's
  // path; false (the path kept so far is left alone) when either step fails.
  bool ResolvePath();
  // False, and `out` untouched, when the file cannot be found, the key is missing or its value is
  // empty.
  bool Read(const std::wstring& section, const std::wstring& key, std::wstring& out);
  void Write(const std::wstring& section, const std::wstring& key, const std::wstring& value);
  // Leaves the key with nothing after its equals sign, which reads as absent.
  void Clear(const std::wstring& section, const std::wstring& key);

  // The file's path; empty while it could not be found yet.
  std::wstring Path();
  // Looks the folder up with `appData` from now on (a test's own folder); the path is found again
  // on the next use.
  void Relocate(AppDataFolderLookup appData);

private:
  // The kept path, resolved first when there is none yet; empty when that fails.
  std::wstring ResolvedPath();

  AppDataFolderLookup appData_;
  // The login worker clears a key while the window thread may use the file too.
  std::mutex lock_;
  std::wstring path_;
};

// The process's settings file, in the user's own roaming application-data folder.
SettingsFile& ProcessSettings();

bool ResolveSettingsPath();
bool ReadSetting(const std::wstring& section, const std::wstring& key, std::wstring& out);
void WriteSetting(const std::wstring& section, const std::wstring& key, const std::wstring& value);
void ClearSetting(const std::wstring& section, const std::wstring& key);
