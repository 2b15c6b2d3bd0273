// How to read the bytes of a text a device sends (its name): devices of one make differ in the
// encoding they use, and the bytes do not say which. Bytes that form valid UTF-8 with at least one
// character beyond ASCII are read as UTF-8 - the national code pages (GBK, Big5, Windows-1252)
// almost never produce such sequences by chance - and any other text in the ANSI code page, as
// every device text always was.
#pragma once
#include <string_view>

enum class DeviceTextEncoding { kAnsiCodePage, kUtf8 };

DeviceTextEncoding ChooseDeviceTextEncoding(std::string_view bytes);
