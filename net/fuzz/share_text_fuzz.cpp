// The share answer's own UTF-8 reading, on arbitrary bytes.
#include <algorithm>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_input.h"
#include "net/commands/answer_reading.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::u16string text = DecodeShareText(bytes);
  FuzzRequire(text.size() <= bytes.size(), "more characters than bytes");
  // The text ends at its first zero byte, as the receive buffer does.
  const std::string_view read = bytes.substr(0, bytes.find('\0'));
  const bool refused = std::any_of(read.begin(), read.end(),
                                   [](char c) { return static_cast<unsigned char>(c) >= 0xF0; });
  FuzzRequire(!refused || text.empty(), "a byte of 0xF0 or above was read");
  return 0;
}
