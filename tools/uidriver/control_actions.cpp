#include "tools/uidriver/control_actions.h"

#include <commctrl.h>

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
// Memory in another process for a message's pointer; freed with the object.
class RemoteBuffer {
 public:
  RemoteBuffer(HWND window, SIZE_T size) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, process);
    if (process_) address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
  }
  ~RemoteBuffer() {
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;

  char* Address() const { return static_cast<char*>(address_); }
  bool Write(SIZE_T offset, const void* data, SIZE_T size) const {
    return address_ && WriteProcessMemory(process_, Address() + offset, data, size, nullptr);
  }
  bool Read(SIZE_T offset, void* data, SIZE_T size) const {
    return address_ && ReadProcessMemory(process_, Address() + offset, data, size, nullptr);
  }

 private:
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
};

constexpr int kCellTextLength = 1024;
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

std::wstring CellText(HWND list, int row, int column) {
  RemoteBuffer buffer(list, sizeof(LVITEMW) + kCellTextLength * sizeof(wchar_t));
  LVITEMW item{};
  item.iSubItem = column;
  item.cchTextMax = kCellTextLength;
  item.pszText = reinterpret_cast<wchar_t*>(buffer.Address() + sizeof item);
  if (!buffer.Write(0, &item, sizeof item)) return {};
  const auto length = SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(buffer.Address()));
  std::wstring text(kCellTextLength, L'\0');
  if (length <= 0 || !buffer.Read(sizeof item, text.data(), kCellTextLength * sizeof(wchar_t))) return {};
  text.resize(static_cast<std::size_t>(length));
  return text;
}

void ClickCell(HWND list, int row, int column) {
  RemoteBuffer buffer(list, sizeof(RECT));
  RECT bounds{LVIR_BOUNDS, 0, 0, 0};
  if (!buffer.Write(0, &bounds, sizeof bounds)) return;
  SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(buffer.Address()));
  if (!buffer.Read(0, &bounds, sizeof bounds)) return;
  int left = bounds.left;
  for (int before = 0; before < column; ++before) left += static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, before, 0));
  const int width = static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0));
  const LPARAM middle = MAKELPARAM(left + width / 2, (bounds.top + bounds.bottom) / 2);
  PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, middle);
  PostMessageW(list, WM_LBUTTONUP, 0, middle);
}

HWND CellEditor(HWND list) {
  for (HWND child = GetWindow(list, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (ClassOf(child) == L"ComboBox" && IsWindowVisible(child)) return child;
  return nullptr;
}

void ChooseInCellEditor(HWND editor, int index) {
  SendMessageW(editor, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  PostMessageW(editor, WM_KEYDOWN, VK_RETURN, 0);
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
