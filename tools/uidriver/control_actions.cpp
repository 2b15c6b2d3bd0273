#include "tools/uidriver/control_actions.h"

#include <commctrl.h>

#include <chrono>
#include <cwctype>
#include <optional>
#include <string_view>
#include <utility>
#include <thread>

#include "skin/geometry/folder_layout.h"
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

bool BringToFront(HWND window, DWORD timeoutMs) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    SetForegroundWindow(window);
    if (GetForegroundWindow() == window) return true;
    if (std::chrono::steady_clock::now() >= end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

INPUT KeyInput(WORD virtualKey, bool release) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
  return input;
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

namespace {
// The bounds of a report-view row, which LVM_GETITEMRECT writes in the list's own process.
bool RowBounds(HWND list, int row, RECT& bounds) {
  RemoteBuffer buffer(list, sizeof(RECT));
  bounds = RECT{LVIR_BOUNDS, 0, 0, 0};
  if (!buffer.Write(0, &bounds, sizeof bounds)) return false;
  if (!SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(buffer.Address())))
    return false;
  return buffer.Read(0, &bounds, sizeof bounds);
}
}  // namespace

void ClickCell(HWND list, int row, int column) {
  RECT bounds;
  if (!RowBounds(list, row, bounds)) return;
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

bool TypeAddress(HWND addressField, const std::array<int, 4>& octets) {
  // The fields are the control's children 1 to 4, left to right.
  for (std::size_t index = 0; index < octets.size(); ++index) {
    HWND field = GetDlgItem(addressField, static_cast<int>(index) + 1);
    if (!field) return false;
    TypeText(field, std::to_wstring(octets[index]));
  }
  return true;
}

bool PressKeys(HWND window, const std::wstring& text, DWORD timeoutMs) {
  std::vector<INPUT> inputs;
  for (wchar_t c : text) {
    const bool letter = (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z');
    if (!letter && !(c >= L'0' && c <= L'9')) return false;
    // Virtual keys of letters are the capitals; the shift state does not matter to a press.
    const WORD key = static_cast<WORD>(letter ? towupper(c) : c);
    inputs.push_back(KeyInput(key, false));
    inputs.push_back(KeyInput(key, true));
  }
  if (!BringToFront(window, timeoutMs)) return false;
  return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}

namespace {
std::optional<WORD> NamedKey(std::string_view name) {
  constexpr std::pair<std::string_view, WORD> kKeys[] = {
      {"TAB", VK_TAB},   {"ENTER", VK_RETURN}, {"ESCAPE", VK_ESCAPE}, {"SPACE", VK_SPACE},
      {"UP", VK_UP},     {"DOWN", VK_DOWN},    {"LEFT", VK_LEFT},     {"RIGHT", VK_RIGHT},
      {"HOME", VK_HOME}, {"END", VK_END},      {"F4", VK_F4}};
  for (const auto& [known, key] : kKeys) {
    if (name == known) return key;
  }
  return std::nullopt;
}
}  // namespace

bool PressNamedKeys(HWND window, const std::vector<std::string>& names, DWORD timeoutMs) {
  std::vector<INPUT> inputs;
  for (const std::string& name : names) {
    std::string_view key = name;
    std::optional<WORD> modifier;
    if (key.starts_with("SHIFT+")) modifier = VK_SHIFT;
    if (key.starts_with("ALT+")) modifier = VK_MENU;
    if (modifier) key.remove_prefix(key.find('+') + 1);
    const std::optional<WORD> pressed = NamedKey(key);
    if (!pressed) return false;
    if (modifier) inputs.push_back(KeyInput(*modifier, false));
    inputs.push_back(KeyInput(*pressed, false));
    inputs.push_back(KeyInput(*pressed, true));
    if (modifier) inputs.push_back(KeyInput(*modifier, true));
  }
  // A window that waits on a dialog of its own takes no keys; the dialog does.
  if (!BringToFront(GetLastActivePopup(window), timeoutMs)) return false;
  for (const INPUT& input : inputs) {
    if (SendInput(1, const_cast<INPUT*>(&input), sizeof(INPUT)) != 1) return false;
    // One key at a time, as a user types: each is handled before the next arrives.
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
  }
  return true;
}

HWND FocusedControl(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

int SelectedRow(HWND listView) {
  return static_cast<int>(SendMessageW(listView, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

bool ClickRow(HWND listView, int index) {
  const auto count = SendMessageW(listView, LVM_GETITEMCOUNT, 0, 0);
  if (index < 0 || index >= count) return false;
  SendMessageW(listView, LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
  RECT row;
  if (!RowBounds(listView, index, row)) return false;
  // Inside the first column, near its left end: in a report view only the first column's cell
  // answers a click unless the whole row is selectable.
  const LPARAM point = MAKELPARAM(row.left + 20, (row.top + row.bottom) / 2);
  PostMessageW(listView, WM_LBUTTONDOWN, MK_LBUTTON, point);
  PostMessageW(listView, WM_LBUTTONUP, 0, point);
  return true;
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
