// The thread's ANSI code page as the portable answer parsers see it: the device's answers arrive
// as bytes in it, and the device records keep their texts in it. The program supplies the Win32
// conversion; tests supply their own.
#pragma once
#include <string>
#include <string_view>

class AnsiCodePage {
public:
  virtual ~AnsiCodePage() = default;
  // The UTF-16 text of `bytes`.
  virtual std::u16string ToText(std::string_view bytes) const = 0;
  // The bytes of `text`; a character the code page lacks becomes whatever the code page uses
  // for it. Converting a text piecewise must give the bytes of the whole (true of the ANSI
  // code pages, which carry no shift state).
  virtual std::string ToBytes(std::u16string_view text) const = 0;
};
