// bare_dialog: the plainest Win32 dialog program, as large as the program's main window, with one
// button. The start-up measurement compares the program against it under the same Wine.
#include <windows.h>

#include <cstdint>
#include <vector>

namespace {
// A DLGTEMPLATE with one push button, built in memory so that the program needs no resources.
std::vector<std::uint16_t> DialogTemplate() {
  std::vector<std::uint16_t> words(sizeof(DLGTEMPLATE) / 2, 0);
  auto* dialog = reinterpret_cast<DLGTEMPLATE*>(words.data());
  dialog->style = WS_POPUP | WS_VISIBLE | DS_CENTER | DS_SETFONT;
  dialog->cdit = 1;
  dialog->cx = 600;
  dialog->cy = 369;
  words.insert(words.end(), {0, 0, 0, 8});  // no menu, default class, no title, 8-point font
  for (const wchar_t* c = L"MS Shell Dlg"; ; ++c) {
    words.push_back(static_cast<std::uint16_t>(*c));
    if (!*c) break;
  }
  if (words.size() % 2) words.push_back(0);  // items start on a DWORD boundary
  std::vector<std::uint16_t> item(sizeof(DLGITEMTEMPLATE) / 2, 0);
  auto* button = reinterpret_cast<DLGITEMTEMPLATE*>(item.data());
  button->style = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON;
  button->x = 16;
  button->y = 108;
  button->cx = 73;
  button->cy = 21;
  button->id = IDOK;
  words.insert(words.end(), item.begin(), item.end());
  words.insert(words.end(), {0xFFFF, 0x0080});  // the button class
  for (const wchar_t* c = L"Close"; ; ++c) {
    words.push_back(static_cast<std::uint16_t>(*c));
    if (!*c) break;
  }
  words.push_back(0);  // no creation data
  return words;
}

INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    EndDialog(dialog, 0);
    return TRUE;
  }
  return FALSE;
}
}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  const std::vector<std::uint16_t> dialog = DialogTemplate();
  DialogBoxIndirectParamW(instance, reinterpret_cast<const DLGTEMPLATE*>(dialog.data()), nullptr,
                          DialogProcedure, 0);
  return 0;
}
