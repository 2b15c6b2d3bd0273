#include "base/win/ansi_text.h"

#include <windows.h>

#include <cstring>

#include "base/device_text.h"

std::string ToAnsi(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_THREAD_ACP, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  if (size > 0)
    WideCharToMultiByte(CP_THREAD_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(),
                        size, nullptr, nullptr);
  return out;
}

namespace {
std::wstring FromCodePage(UINT codePage, std::string_view text) {
  if (text.empty()) return {};
  const int size =
      MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
  if (size > 0)
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), out.data(), size);
  return out;
}
}  // namespace

std::wstring FromAnsi(std::string_view text) { return FromCodePage(CP_THREAD_ACP, text); }

std::wstring FromDeviceText(std::string_view text) {
  return FromCodePage(
      ChooseDeviceTextEncoding(text) == DeviceTextEncoding::kUtf8 ? CP_UTF8 : CP_THREAD_ACP, text);
}

bool CopyAnsiToSlot(std::wstring_view text, char* slot, std::size_t slotSize) {
  std::memset(slot, 0, slotSize);
  if (slotSize == 0) return text.empty();
  const std::string narrow = ToAnsi(text);
  const std::size_t n = narrow.size() < slotSize ? narrow.size() : slotSize - 1;
  std::memcpy(slot, narrow.data(), n);
  return n == narrow.size();
}
