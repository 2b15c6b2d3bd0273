// Hands a document to the user's system: a web address to the browser, a folder path to the file
// manager. Tests put a recorder in its place.
#pragma once
#include <windows.h>

#include <string>

using ShellOpenFunction = void (*)(HWND owner, const std::wstring& file, const std::wstring& parameters,
                                   const std::wstring& directory);

// ShellExecuteW with the verb "open" and a normal window; the result is not used (a browser or
// file manager that does not start leaves nothing to do).
void ShellOpen(HWND owner, const std::wstring& file, const std::wstring& parameters = {},
               const std::wstring& directory = {});
// Replaces what ShellOpen does (nullptr brings ShellExecuteW back).
void SetShellOpen(ShellOpenFunction open);
