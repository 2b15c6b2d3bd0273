#include "net/win/network_drives.h"

#include <windows.h>
#include <winnetwk.h>

#include "base/win/ansi_text.h"
#include "net/login_credentials.h"

namespace {
constexpr DWORD kRemoteNameLength = 512;
constexpr DWORD kDriveStringsLength = 126;

IDriveConnections* replacement = nullptr;
}  // namespace

std::optional<std::u16string> CSystemDriveConnections::RemoteNameOf(std::u16string_view letterText) {
  const std::wstring local = ToWide(letterText);
  wchar_t remote[kRemoteNameLength] = {};
  DWORD length = kRemoteNameLength;
  if (WNetGetConnectionW(local.c_str(), remote, &length) != NO_ERROR) return std::nullopt;
  remote[kRemoteNameLength - 1] = L'\0';
  return ToU16(remote);
}

bool CSystemDriveConnections::Add(std::u16string_view letterText, std::u16string_view remoteName,
                                  std::u16string_view user, std::u16string_view password) {
  std::wstring local = ToWide(letterText);
  std::wstring remote = ToWide(remoteName);
  const std::wstring userText = ToWide(user);
  const std::wstring passwordText = ToWide(password);
  NETRESOURCEW resource{};
  resource.dwType = RESOURCETYPE_DISK;
  resource.lpLocalName = local.data();
  resource.lpRemoteName = remote.data();
  resource.lpProvider = nullptr;
  return WNetAddConnection2W(&resource, passwordText.c_str(), userText.c_str(),
                             CONNECT_UPDATE_PROFILE | CONNECT_INTERACTIVE) == NO_ERROR;
}

bool CSystemDriveConnections::Cancel(std::u16string_view letterText) {
  const std::wstring local = ToWide(letterText);
  return WNetCancelConnection2W(local.c_str(), CONNECT_UPDATE_PROFILE, TRUE) == NO_ERROR;
}

std::u16string CSystemDriveConnections::UsedDriveLetters() {
  wchar_t roots[kDriveStringsLength] = {};
  const DWORD length = GetLogicalDriveStringsW(kDriveStringsLength, roots);
  // A list that does not fit the buffer comes back empty: its needed length is returned instead.
  if (length == 0 || length >= kDriveStringsLength) return {};
  std::u16string letters;
  for (const wchar_t* root = roots; *root; root += wcslen(root) + 1) letters.push_back(static_cast<char16_t>(*root));
  return letters;
}

DriveUser LoggedInDriveUser() {
  const LoginCredentialsRecord& login = LoginCredentials();
  return {ToU16(FromAnsi(login.userName)), ToU16(FromAnsi(login.password))};
}

IDriveConnections& DriveConnections() {
  static CSystemDriveConnections system;
  return replacement ? *replacement : system;
}

void SetDriveConnections(IDriveConnections* connections) { replacement = connections; }
