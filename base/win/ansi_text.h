// Conversions at the boundary between the windows (UTF-16) and the device records (narrow text in
// the thread's ANSI code page).
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "base/ansi_code_page.h"

// The narrow text of `text` in the thread's ANSI code page.
std::string ToAnsi(std::wstring_view text);
std::wstring FromAnsi(std::string_view text);
// The text of a device's name (or other text it sends): UTF-8 when its bytes are UTF-8 beyond
// ASCII, else the thread's ANSI code page (see base/device_text.h).
std::wstring FromDeviceText(std::string_view text);

// Converts `text` into a fixed slot of `slotSize` bytes: zero-filled, at most slotSize - 1 bytes
// copied, always terminated. Returns false when the text did not fit whole (the slot then holds
// the cut text).
bool CopyAnsiToSlot(std::wstring_view text, char* slot, std::size_t slotSize);

// Portable UTF-16 text and the Win32 wide strings are the same code units.
inline std::wstring ToWide(std::u16string_view text) { return {text.begin(), text.end()}; }
inline std::u16string ToU16(std::wstring_view text) { return {text.begin(), text.end()}; }

// The thread's ANSI code page for the portable answer readers.
class ThreadAnsiCodePage : public AnsiCodePage {
public:
  std::u16string ToText(std::string_view bytes) const override { return ToU16(FromAnsi(bytes)); }
  std::string ToBytes(std::u16string_view text) const override { return ToAnsi(ToWide(text)); }
};
