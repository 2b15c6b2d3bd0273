// The headers nearly every Win32 file of the program reads, compiled once per build tree: parsing
// them took most of each file's compile time. The standard headers come first, as in the files
// themselves, so that every file sees the same declarations it would see without this.
#pragma once
// The C library's inline string helpers (wmemcpy and friends) stay out of line: compiled from a
// precompiled header, their bodies lose their system-header standing and GCC's bounds warnings
// (false ones on short literals) would fail the build.
#define __CRT__NO_INLINE 1
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>
#include <commctrl.h>
