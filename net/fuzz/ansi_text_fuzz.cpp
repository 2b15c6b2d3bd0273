// Device text in a real ANSI code page (Western, Simplified and Traditional Chinese, tables read
// from the host's iconv): the first byte picks the code page, the second a field size, the rest is
// the text as the device sent it. The text is stored into a fixed field directly and as the host
// name of a wizard answer; the field always ends in a zero and never ends inside a double-byte
// character.
#include <array>
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz/fuzz_input.h"
#include "net/device_commands.h"
#include "net/commands/answer_reading.h"
#include "net/testing/iconv_code_page.h"

namespace {

const IconvCodePage& CodePage(std::uint8_t choice) {
  static const std::array<IconvCodePage, 3> pages{IconvCodePage("CP1252"), IconvCodePage("CP936"),
                                                  IconvCodePage("CP950")};
  const IconvCodePage& page = pages[choice % pages.size()];
  FuzzRequire(page.Loaded(), "iconv lacks a code page");
  return page;
}

// The offsets at which a character of `bytes` starts, and its end.
std::string CharacterStarts(const IconvCodePage& page, std::string_view bytes) {
  std::string starts(bytes.size() + 1, '\0');
  for (std::size_t at = 0; at < bytes.size(); ++at) {
    starts[at] = 1;
    if (page.IsLeadByte(static_cast<unsigned char>(bytes[at]))) ++at;
  }
  starts[bytes.size()] = 1;
  return starts;
}

// A stored field holds the start of the text's bytes, cut only between characters, and its zero.
void CheckField(const IconvCodePage& page, std::u16string_view text, const char* field,
                std::size_t size, bool fitted) {
  const std::size_t length = strnlen(field, size);
  FuzzRequire(length < size, "a field without its zero");
  const std::string whole = page.ToBytes(text);
  const std::string_view kept(field, length);
  if (whole.find('\0') != std::string::npos) return;  // an embedded zero ends the field early
  FuzzRequire(whole.compare(0, length, kept) == 0, "a field that is not the text's start");
  FuzzRequire(CharacterStarts(page, whole)[length] != 0, "a field cut inside a character");
  FuzzRequire(fitted == (length == whole.size()), "fitting reported wrongly");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  const IconvCodePage& page = CodePage(input.Byte());
  const std::size_t fieldSize = 1 + input.Byte() % 40;
  const std::string_view bytes = input.Rest();

  const std::u16string text = page.ToText(bytes);
  std::string field(fieldSize, '\x7f');
  const bool fitted = StoreInField(page, text, field.data(), field.size());
  CheckField(page, text, field.data(), field.size(), fitted);

  // The same bytes as a device name in the wizard's answer, read into the 16-byte host name.
  const std::string answer = "HTTP/1.1 200 OK\r\n\r\n<r><lan></lan><system><name>" +
                             std::string(bytes) + "</name></system></r>";
  LoginCredentialsRecord credentials{};
  WizardInfoRecord wizard{};
  NasDeviceList devices;
  ShareListRecord shares;
  std::u16string access;
  const std::string deviceMac;
  const AnswerTargets targets{page, credentials, {}, wizard, devices, deviceMac, {}, shares, nullptr, access};
  ParseAnswer(kOpCgiCommand, 2, answer, targets);
  FuzzRequire(std::memchr(wizard.hostName, 0, sizeof wizard.hostName) != nullptr,
              "host name without its zero");
  return 0;
}
