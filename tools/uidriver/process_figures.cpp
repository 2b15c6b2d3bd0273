#include "tools/uidriver/process_figures.h"

#include <psapi.h>
#include <winternl.h>

#include <memory>
#include <vector>

namespace {
struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using ProcessHandle = std::unique_ptr<void, HandleCloser>;

// One entry of the GDI handle table that the PEB points to (the 64-bit layout, which Wine follows).
struct GdiHandleEntry {
  UINT64 object;
  USHORT processId;
  USHORT lockAndCount;
  USHORT unique;
  UCHAR type;
  UCHAR flags;
  UINT64 userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24);
constexpr std::size_t kGdiHandleCount = 0x10000;
constexpr std::size_t kPebGdiTableOffset = 0xF8;

DWORD CountGdiTableEntries(HANDLE process) {
  PROCESS_BASIC_INFORMATION basic{};
  if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) return 0;
  const auto* peb = reinterpret_cast<const BYTE*>(basic.PebBaseAddress);
  const GdiHandleEntry* table = nullptr;
  if (!ReadProcessMemory(process, peb + kPebGdiTableOffset, &table, sizeof table, nullptr) || !table) return 0;
  std::vector<GdiHandleEntry> entries(kGdiHandleCount);
  if (!ReadProcessMemory(process, table, entries.data(), entries.size() * sizeof(GdiHandleEntry), nullptr)) return 0;
  DWORD count = 0;
  for (const GdiHandleEntry& entry : entries) count += entry.type != 0 ? 1 : 0;
  return count;
}

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
  if (figures.gdiObjects == 0) figures.gdiObjects = CountGdiTableEntries(process.get());
  if (figures.userObjects == 0) figures.userObjects = CountWindows(processId);
  return figures;
}
