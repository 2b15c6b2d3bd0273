// Standard Base64 (RFC 4648): the stored password in the settings file and the Basic
// authorisation token of the CGI requests.
#pragma once
#include <optional>
#include <string>
#include <string_view>

inline constexpr std::string_view kBase64Alphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// The Base64 text of `bytes` (any byte values): four characters per group of three bytes, "="
// filling the final group, no line breaks. `alphabet` must hold 64 characters; with any other
// size the result is empty.
std::string EncodeBase64(std::string_view bytes, std::string_view alphabet = kBase64Alphabet);

// The bytes that `text` encodes. Text that is not Base64 in `alphabet` gives nullopt: a length
// that is not a multiple of four, a character outside the alphabet, or "=" anywhere but filling
// the final group ("xx==" or "xxx="). So does an alphabet that is not 64 distinct characters
// other than "=".
std::optional<std::string> DecodeBase64(std::string_view text,
                                        std::string_view alphabet = kBase64Alphabet);
