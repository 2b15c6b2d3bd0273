#include "tools/uidriver/target_windows.h"

namespace {
struct TopLevelSearch {
  const WindowQuery* query;
  HWND found = nullptr;
};

bool Matches(HWND window, const WindowQuery& query) {
  if (!IsWindowVisible(window)) return false;
  if (query.processId && ProcessOf(window) != query.processId) return false;
  if (!query.className.empty() && ClassOf(window) != query.className) return false;
  if (!query.title.empty() && TextOf(window) != query.title) return false;
  return query.heldControl == 0 || FindControl(window, query.heldControl) != nullptr;
}

BOOL CALLBACK CheckTopLevel(HWND window, LPARAM search) {
  auto* state = reinterpret_cast<TopLevelSearch*>(search);
  if (!Matches(window, *state->query)) return TRUE;
  state->found = window;
  return FALSE;
}

struct DescendantSearch {
  int id;
  HWND found = nullptr;
};

BOOL CALLBACK CheckDescendant(HWND window, LPARAM search) {
  auto* state = reinterpret_cast<DescendantSearch*>(search);
  if (GetDlgCtrlID(window) != state->id) return TRUE;
  state->found = window;
  return FALSE;
}
}  // namespace

HWND FindTopLevelWindow(const WindowQuery& query) {
  TopLevelSearch search{&query};
  EnumWindows(CheckTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindMessageBox(DWORD processId) {
  WindowQuery query{L"", L"#32770", kMessageBoxTextId, processId};
  HWND box = FindTopLevelWindow(query);
  // The text static must be the box's own child, not a control of a dialog that happens to use
  // the same number.
  return box && GetDlgItem(box, kMessageBoxTextId) ? box : nullptr;
}

HWND FindControl(HWND window, int id) {
  if (HWND child = GetDlgItem(window, id)) return child;
  DescendantSearch search{id};
  EnumChildWindows(window, CheckDescendant, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

DWORD ProcessOf(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = L"";
  GetClassNameW(window, name, 256);
  return name;
}

std::wstring TextOf(HWND window) {
  // WM_GETTEXT rather than GetWindowText: the latter does not ask controls of other processes.
  const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const auto copied = SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied));
  return text;
}
