// The number of GDI objects a process holds, read from its GDI handle table, for the platforms
// where GetGuiResources does not count them (Wine answers 0).
#pragma once
#include <windows.h>

// `process` needs PROCESS_QUERY_INFORMATION and PROCESS_VM_READ (the current process has both);
// 0 when the table cannot be read.
DWORD CountGdiHandleTableEntries(HANDLE process);
