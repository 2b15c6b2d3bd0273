// A stand-in for the system's mpr.dll, for the end-to-end tests under Wine only (loaded with
// WINEDLLOVERRIDES=mpr=n from the folder of the program under test). Wine's own mpr refuses every
// connection without a network provider, so this one plays the provider: a connection is a drive
// of Wine's mount manager, remote, whose mount point "unc/<server>/<share>" is the folder that
// dosdevices/unc/<server>/<share> leads to. Drives so defined are listed and readable like any
// other, and outlive the process, as a mapping kept in the profile does.
//
// Every call is written, one line each, to the file that DROVIK_MPR_LOG names.
#include <windows.h>
#include <winioctl.h>
#include <winnetwk.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>

namespace {

// The mount manager's own drive definition, a Wine extension.
constexpr DWORD kDefineUnixDrive = CTL_CODE('m', 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);
constexpr DWORD kQueryUnixDrive = CTL_CODE('m', 33, METHOD_BUFFERED, FILE_READ_ACCESS);

struct UnixDrive {
  ULONG size;
  ULONG type;
  ULONG fsType;
  DWORD serial;
  ULONGLONG unixDevice;
  WCHAR letter;
  USHORT mountPointOffset;
  USHORT deviceOffset;
  USHORT labelOffset;
};

constexpr char kUncPrefix[] = "unc/";

void Log(const std::wstring& line) {
  wchar_t path[MAX_PATH] = {};
  if (!GetEnvironmentVariableW(L"DROVIK_MPR_LOG", path, MAX_PATH)) return;
  HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  const std::wstring text = line + L"\n";
  char utf8[4096] = {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8,
                                       sizeof utf8, nullptr, nullptr);
  DWORD written = 0;
  WriteFile(file, utf8, static_cast<DWORD>(size), &written, nullptr);
  CloseHandle(file);
}

std::wstring Text(const wchar_t* text) { return text ? text : L"(null)"; }

wchar_t LetterOf(const wchar_t* localName) {
  if (!localName || !localName[0] || localName[1] != L':' || localName[2]) return 0;
  const wchar_t letter = static_cast<wchar_t>(towupper(localName[0]));
  return (letter >= L'A' && letter <= L'Z') ? letter : 0;
}

HANDLE OpenMountManager() {
  return CreateFileW(L"\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                     nullptr, OPEN_EXISTING, 0, nullptr);
}

// The mount point of a remote drive, "unc/server/share"; empty for any other drive.
std::string RemoteMountPoint(wchar_t letter) {
  HANDLE manager = OpenMountManager();
  if (manager == INVALID_HANDLE_VALUE) return {};
  UnixDrive query{};
  query.letter = static_cast<WCHAR>(towlower(letter));
  alignas(UnixDrive) char answer[4096] = {};
  DWORD size = 0;
  const BOOL ok = DeviceIoControl(manager, kQueryUnixDrive, &query, sizeof query, answer, sizeof answer - 1, &size,
                                  nullptr);
  CloseHandle(manager);
  const auto* drive = reinterpret_cast<const UnixDrive*>(answer);
  if (!ok || drive->type != DRIVE_REMOTE || !drive->mountPointOffset || drive->mountPointOffset >= sizeof answer)
    return {};
  const std::string mountPoint = answer + drive->mountPointOffset;
  return mountPoint.rfind(kUncPrefix, 0) == 0 ? mountPoint : std::string();
}

bool DefineDrive(wchar_t letter, ULONG type, const std::string& mountPoint) {
  HANDLE manager = OpenMountManager();
  if (manager == INVALID_HANDLE_VALUE) return false;
  std::string request(sizeof(UnixDrive), '\0');
  UnixDrive drive{};
  drive.type = type;
  drive.letter = static_cast<WCHAR>(towlower(letter));
  if (!mountPoint.empty()) {
    drive.mountPointOffset = static_cast<USHORT>(request.size());
    request += mountPoint;
    request += '\0';
  }
  drive.size = static_cast<ULONG>(request.size());
  std::memcpy(request.data(), &drive, sizeof drive);
  DWORD size = 0;
  const BOOL ok = DeviceIoControl(manager, kDefineUnixDrive, request.data(), static_cast<DWORD>(request.size()),
                                  nullptr, 0, &size, nullptr);
  CloseHandle(manager);
  return ok != FALSE;
}

std::string Narrow(const std::wstring& text) {
  char bytes[1024] = {};
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, bytes, sizeof bytes - 1, nullptr, nullptr);
  return bytes;
}

}  // namespace

extern "C" {

DWORD WINAPI WNetGetConnectionW(LPCWSTR localName, LPWSTR remoteName, LPDWORD length) {
  Log(L"WNetGetConnectionW " + Text(localName) + L" " + std::to_wstring(length ? *length : 0));
  const wchar_t letter = LetterOf(localName);
  if (!letter || !length) return ERROR_BAD_DEVICE;
  const std::string mountPoint = RemoteMountPoint(letter);
  if (mountPoint.empty()) return ERROR_NOT_CONNECTED;
  wchar_t path[1024] = {};
  MultiByteToWideChar(CP_UTF8, 0, mountPoint.c_str() + std::strlen(kUncPrefix), -1, path, 1023);
  std::wstring remote = L"\\\\" + std::wstring(path);
  for (wchar_t& c : remote)
    if (c == L'/') c = L'\\';
  if (remote.size() + 1 > *length) {
    *length = static_cast<DWORD>(remote.size() + 1);
    return ERROR_MORE_DATA;
  }
  wcscpy(remoteName, remote.c_str());
  return NO_ERROR;
}

DWORD WINAPI WNetAddConnection2W(LPNETRESOURCEW resource, LPCWSTR password, LPCWSTR userName, DWORD flags) {
  if (!resource) return ERROR_INVALID_PARAMETER;
  wchar_t line[2048] = {};
  swprintf(line, 2048, L"WNetAddConnection2W type=%lu local=%ls remote=%ls provider=%ls user=%ls password=%ls flags=0x%lx",
           resource->dwType, Text(resource->lpLocalName).c_str(), Text(resource->lpRemoteName).c_str(),
           Text(resource->lpProvider).c_str(), Text(userName).c_str(), Text(password).c_str(), flags);
  Log(line);
  const wchar_t letter = LetterOf(resource->lpLocalName);
  const std::wstring remote = Text(resource->lpRemoteName);
  if (!letter || resource->dwType != RESOURCETYPE_DISK) return ERROR_BAD_DEVICE;
  if (remote.rfind(L"\\\\", 0) != 0 || remote.find(L'\\', 2) == std::wstring::npos) return ERROR_BAD_NET_NAME;
  const wchar_t root[] = {letter, L':', L'\\', 0};
  if (GetDriveTypeW(root) != DRIVE_NO_ROOT_DIR) return ERROR_ALREADY_ASSIGNED;
  // Wine reaches \\server\share through dosdevices/unc: a share that is not there is no share.
  if (GetFileAttributesW(remote.c_str()) == INVALID_FILE_ATTRIBUTES) return ERROR_BAD_NET_NAME;
  std::wstring mountPoint = remote.substr(2);
  for (wchar_t& c : mountPoint)
    if (c == L'\\') c = L'/';
  return DefineDrive(letter, DRIVE_REMOTE, kUncPrefix + Narrow(mountPoint)) ? NO_ERROR : ERROR_NO_NETWORK;
}

DWORD WINAPI WNetCancelConnection2W(LPCWSTR name, DWORD flags, BOOL force) {
  wchar_t line[512] = {};
  swprintf(line, 512, L"WNetCancelConnection2W %ls flags=0x%lx force=%d", Text(name).c_str(), flags, force);
  Log(line);
  const wchar_t letter = LetterOf(name);
  if (!letter) return ERROR_BAD_DEVICE;
  if (RemoteMountPoint(letter).empty()) return ERROR_NOT_CONNECTED;
  return DefineDrive(letter, DRIVE_NO_ROOT_DIR, {}) ? NO_ERROR : ERROR_NOT_CONNECTED;
}

}  // extern "C"
