#include "tools/uidriver/process_figures.h"

#include <psapi.h>

#include <memory>

#include "framework/gdi_handle_table.h"

namespace {
struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using ProcessHandle = std::unique_ptr<void, HandleCloser>;

struct WindowCount {
  DWORD processId;
  DWORD count = 0;
};

BOOL CALLBACK CountChild(HWND, LPARAM state) {
  ++reinterpret_cast<WindowCount*>(state)->count;
  return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM state) {
  auto* counting = reinterpret_cast<WindowCount*>(state);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != counting->processId) return TRUE;
  ++counting->count;
  EnumChildWindows(window, CountChild, state);
  return TRUE;
}

DWORD CountWindows(DWORD processId) {
  WindowCount counting{processId};
  EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&counting));
  return counting.count;
}
}  // namespace

std::optional<ProcessFigures> ReadProcessFigures(DWORD processId) {
  ProcessHandle process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
  if (!process) return std::nullopt;
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  if (!GetProcessMemoryInfo(process.get(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory))
    return std::nullopt;
  // Windows counts private bytes twice, as PrivateUsage and PagefileUsage; Wine fills only the second.
  ProcessFigures figures{memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage, GetGuiResources(process.get(), GR_GDIOBJECTS),
                         GetGuiResources(process.get(), GR_USEROBJECTS)};
  if (figures.gdiObjects == 0) figures.gdiObjects = CountGdiHandleTableEntries(process.get());
  if (figures.userObjects == 0) figures.userObjects = CountWindows(processId);
  return figures;
}
