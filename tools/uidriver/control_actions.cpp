#include "tools/uidriver/control_actions.h"

#include "skin/controls/folder_layout.h"
#include "tools/uidriver/target_windows.h"

namespace {
bool IsListBox(HWND list) { return ClassOf(list) == L"ListBox"; }

std::wstring ItemText(HWND list, int index) {
  const bool listBox = IsListBox(list);
  const auto length = SendMessageW(list, listBox ? LB_GETTEXTLEN : CB_GETLBTEXTLEN, index, 0);
  if (length < 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(list, listBox ? LB_GETTEXT : CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}
}  // namespace

void Click(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

std::vector<std::wstring> ItemsOf(HWND list) {
  const auto count = SendMessageW(list, IsListBox(list) ? LB_GETCOUNT : CB_GETCOUNT, 0, 0);
  std::vector<std::wstring> items;
  for (int index = 0; index < count; ++index) items.push_back(ItemText(list, index));
  return items;
}

int SelectionOf(HWND list) {
  return static_cast<int>(SendMessageW(list, IsListBox(list) ? LB_GETCURSEL : CB_GETCURSEL, 0, 0));
}

void PickItem(HWND combo, int index) {
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  const auto id = static_cast<WORD>(GetDlgCtrlID(combo));
  PostMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

void TypeText(HWND edit, const std::wstring& text) {
  SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void DoubleClickFolder(HWND folderList, int index) {
  const CellRect cell = FolderCell(static_cast<std::size_t>(index));
  const LPARAM middle = MAKELPARAM((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
  PostMessageW(folderList, WM_LBUTTONDOWN, MK_LBUTTON, middle);
  PostMessageW(folderList, WM_LBUTTONUP, 0, middle);
  PostMessageW(folderList, WM_LBUTTONDBLCLK, MK_LBUTTON, middle);
  PostMessageW(folderList, WM_LBUTTONUP, 0, middle);
}

DWORD StartProcess(const std::wstring& commandLine) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  std::wstring writable = commandLine;
  if (!CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
    return 0;
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
  return started.dwProcessId;
}

bool IsProcessIdle(DWORD processId) {
  HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId);
  if (!process) return false;
  const bool idle = WaitForInputIdle(process, 0) == 0;
  CloseHandle(process);
  return idle;
}

std::wstring MessageBoxText(HWND box) { return TextOf(GetDlgItem(box, kMessageBoxTextId)); }

bool PressMessageBoxButton(HWND box, int buttonId) {
  HWND button = GetDlgItem(box, buttonId);
  if (!button) return false;
  Click(button);
  return true;
}
