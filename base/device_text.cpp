#include "base/device_text.h"

#include <cstddef>
#include <cstdint>

namespace {

// The length of the well-formed UTF-8 sequence at `at`, 0 when there is none: no overlong forms,
// no surrogates, nothing beyond U+10FFFF.
std::size_t Utf8SequenceAt(std::string_view bytes, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(bytes[i]); };
  const std::uint8_t lead = byte(at);
  std::size_t length = 0;
  std::uint8_t low = 0x80, high = 0xBF;  // the allowed range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (bytes.size() - at < length) return 0;
  if (byte(at + 1) < low || byte(at + 1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i)
    if (byte(at + i) < 0x80 || byte(at + i) > 0xBF) return 0;
  return length;
}

}  // namespace

DeviceTextEncoding ChooseDeviceTextEncoding(std::string_view bytes) {
  bool beyondAscii = false;
  for (std::size_t at = 0; at < bytes.size();) {
    if (static_cast<std::uint8_t>(bytes[at]) < 0x80) {
      ++at;
      continue;
    }
    const std::size_t length = Utf8SequenceAt(bytes, at);
    if (length == 0) return DeviceTextEncoding::kAnsiCodePage;
    beyondAscii = true;
    at += length;
  }
  return beyondAscii ? DeviceTextEncoding::kUtf8 : DeviceTextEncoding::kAnsiCodePage;
}
