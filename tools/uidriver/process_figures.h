// What a process holds: private bytes, GDI objects and USER objects (its windows), read from
// outside. Where the system does not count GUI objects (Wine answers 0), the GDI count is read from
// the process's own handle table and the USER count is the number of its windows.
#pragma once
#include <windows.h>

#include <optional>

struct ProcessFigures {
  SIZE_T privateBytes = 0;
  DWORD gdiObjects = 0;
  DWORD userObjects = 0;
};

std::optional<ProcessFigures> ReadProcessFigures(DWORD processId);
