// The texts read back from the settings file: the stored password's Base64 (in the standard
// alphabet and in one the input makes up) and the logout time.
#include <cstdint>
#include <string>

#include "fuzz/fuzz_input.h"
#include "settings/base64.h"
#include "settings/fuzz/offered_timeouts.h"
#include "settings/login_out_time.h"

namespace {

void CheckBase64(std::string_view text, std::string_view alphabet) {
  const auto decoded = DecodeBase64(text, alphabet);
  if (decoded) {
    FuzzRequire(decoded->size() * 4 <= text.size() * 3, "decoded longer than the text allows");
    const auto again = DecodeBase64(EncodeBase64(*decoded, alphabet), alphabet);
    FuzzRequire(again && *again == *decoded, "decoded bytes do not round-trip");
  }
  const std::string encoded = EncodeBase64(text, alphabet);
  const auto back = DecodeBase64(encoded, alphabet);
  FuzzRequire(alphabet.size() != 64 || encoded.size() == (text.size() + 2) / 3 * 4,
              "encoded length");
  FuzzRequire(!back || *back == text, "encoded text decodes to other bytes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  const std::string_view alphabet = input.Piece();
  const std::string_view text = input.Rest();
  CheckBase64(text, kBase64Alphabet);
  CheckBase64(text, alphabet);

  const std::u16string stored = FuzzUtf16(text);
  const std::uint32_t timeout = InactivityTimeoutFromSetting(stored);
  FuzzRequire(OfferedTimeout(timeout), "a logout time that is not offered");
  FuzzRequire(InactivityTimeoutFromSetting(FormatLoginOutTime(timeout)) == timeout,
              "a logout time that does not read back");
  return 0;
}
