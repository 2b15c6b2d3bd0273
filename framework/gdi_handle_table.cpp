#include "framework/gdi_handle_table.h"

#include <winternl.h>

#include <vector>

namespace {
// One entry of the GDI handle table that the PEB points to (the layout of 64-bit Windows, which
// Wine follows).
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
}  // namespace

DWORD CountGdiHandleTableEntries(HANDLE process) {
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
