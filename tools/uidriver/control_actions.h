// What a user does with the controls of another process, done with window messages. Commands are
// posted, not sent: a handler that opens a modal box would otherwise hold the driver until the box
// closes.
#pragma once
#include <windows.h>

#include <array>
#include <string>
#include <vector>

// Presses a button (BM_CLICK).
void Click(HWND button);

// Items of a combo box or list box, in list order.
std::vector<std::wstring> ItemsOf(HWND list);
// The selected item's index, or -1.
int SelectionOf(HWND list);
// Selects item `index` of a combo box and tells its parent, as a user's pick does.
void PickItem(HWND combo, int index);

// A report list's cell text, read through a buffer in the list's process (list view messages carry
// pointers that do not cross processes).
std::wstring CellText(HWND list, int row, int column);
// Presses and releases the left button in the middle of a report list's cell. On a skinned list a
// second click on a cell of the selected row opens the cell's in-place editor.
void ClickCell(HWND list, int row, int column);
// The in-place editor (a combo box) that a list holds while one of its cells is edited, or null.
HWND CellEditor(HWND list);
// Selects entry `index` of a cell editor and presses Enter, which stores it in the cell.
void ChooseInCellEditor(HWND editor, int index);

// Replaces the text of an edit (WM_SETTEXT).
void TypeText(HWND edit, const std::wstring& text);

// Fills the four octet fields of a skinned IP address field ("SkinIPAddress"), as typed.
bool TypeAddress(HWND addressField, const std::array<int, 4>& octets);

// Types letters and digits with real key presses (SendInput) into `window`, brought to the front
// first: input hooks see them as they see a user's. False when the window would not come to the
// front within `timeoutMs` or the input was not taken.
bool PressKeys(HWND window, const std::wstring& text, DWORD timeoutMs);
// Brings `window` (or the dialog it is waiting on) to the front and presses named keys with real key
// presses, in order: TAB, ENTER, ESCAPE, SPACE, UP, DOWN, LEFT, RIGHT, HOME, END, F4, each
// optionally after SHIFT+ or ALT+ (held while it is pressed). False for an unknown name.
bool PressNamedKeys(HWND window, const std::vector<std::string>& names, DWORD timeoutMs);
// The control of `window`'s thread that has the keyboard focus, or null.
HWND FocusedControl(HWND window);

// The first selected row of a report-view list, or -1.
int SelectedRow(HWND listView);
// Scrolls row `index` of a report-view list into view and clicks its middle (pressed, released).
bool ClickRow(HWND listView, int index);

// Double-clicks the folder at `index` of a share list panel ("FolderListWnd") as a user does:
// pressed, released, double click, released, all at the middle of its cell. The panel must not be
// scrolled away from that cell.
void DoubleClickFolder(HWND folderList, int index);

// Starts a program (the command line's first word names it); its process id, or 0.
DWORD StartProcess(const std::wstring& commandLine);

// Whether the process has waited for input with nothing left to handle (WaitForInputIdle).
bool IsProcessIdle(DWORD processId);

// A message box's text, and the press of one of its buttons (IDOK, IDCANCEL, IDYES, IDNO).
std::wstring MessageBoxText(HWND box);
bool PressMessageBoxButton(HWND box, int buttonId);
