#include "net/commands/answer_reading.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

bool IsWhiteSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

}  // namespace

std::string_view AnswerBytes(std::string_view answer) {
  return answer.substr(0, answer.find('\0'));
}

bool LoadAnswer(XmlNavigator& reader, std::string_view answer, const AnsiCodePage& codePage) {
  return reader.SetDocument(codePage.ToText(AnswerBytes(answer)));
}

std::u16string DecodeShareText(std::string_view bytes) {
  const std::string_view text = AnswerBytes(bytes);
  if (std::any_of(text.begin(), text.end(),
                  [](char c) { return static_cast<unsigned char>(c) >= 0xF0; }))
    return {};
  std::u16string out;
  out.reserve(text.size());
  std::size_t at = 0;
  while (at < text.size()) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) {
      out += static_cast<char16_t>(lead);
      ++at;
      continue;
    }
    if (at + 1 >= text.size() || !IsContinuation(static_cast<unsigned char>(text[at + 1]))) break;
    const auto second = static_cast<unsigned char>(text[at + 1]);
    if ((lead & 0xE0) == 0xC0) {
      out += static_cast<char16_t>(((lead & 0x1F) << 6) | (second & 0x3F));
      at += 2;
      continue;
    }
    if (at + 2 >= text.size() || !IsContinuation(static_cast<unsigned char>(text[at + 2]))) break;
    const auto third = static_cast<unsigned char>(text[at + 2]);
    out += static_cast<char16_t>(((lead & 0x0F) << 12) | ((second & 0x3F) << 6) | (third & 0x3F));
    at += 3;
  }
  return out;
}

std::int64_t LongNumberFromText(std::u16string_view text) {
  std::size_t at = 0;
  while (at < text.size() && IsWhiteSpace(text[at])) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == u'-' || text[at] == u'+')) negative = text[at++] == u'-';
  // The magnitude stops at 2^63, the most negative value; a positive one stops one below.
  constexpr std::uint64_t kLimit = std::uint64_t{1} << 63;
  std::uint64_t value = 0;
  for (; at < text.size() && text[at] >= u'0' && text[at] <= u'9'; ++at)
    value = value > (kLimit - (text[at] - u'0')) / 10 ? kLimit : value * 10 + (text[at] - u'0');
  if (negative) return value == kLimit ? std::numeric_limits<std::int64_t>::min()
                                       : -static_cast<std::int64_t>(value);
  return static_cast<std::int64_t>(std::min(value, kLimit - 1));
}

std::int32_t NumberFromText(std::u16string_view text) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      LongNumberFromText(text), std::numeric_limits<std::int32_t>::min(),
      std::numeric_limits<std::int32_t>::max()));
}

std::optional<std::u16string> NextChildText(XmlNavigator& reader, std::u16string_view name) {
  if (!reader.FindChildElement(name)) return std::nullopt;
  return reader.GetChildText();
}

std::int32_t NextChildNumber(XmlNavigator& reader, std::u16string_view name) {
  const auto text = NextChildText(reader, name);
  return text ? NumberFromText(*text) : 0;
}

std::int64_t NextChildLongNumber(XmlNavigator& reader, std::u16string_view name) {
  const auto text = NextChildText(reader, name);
  return text ? LongNumberFromText(*text) : 0;
}

bool StoreInField(const AnsiCodePage& codePage, std::u16string_view text, char* field,
                  std::size_t size) {
  std::memset(field, 0, size);
  if (size == 0) return text.empty();
  std::string bytes = codePage.ToBytes(text);
  if (bytes.size() < size) {
    std::memcpy(field, bytes.data(), bytes.size());
    return true;
  }
  // Too long: take whole characters (a surrogate pair is one) while they and the zero fit, so no
  // lead byte of a double-byte character is left without its trail byte.
  bytes.clear();
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t units = IsHighSurrogate(text[at]) && at + 1 < text.size() ? 2 : 1;
    const std::string character = codePage.ToBytes(text.substr(at, units));
    if (bytes.size() + character.size() >= size) break;
    bytes += character;
    at += units;
  }
  std::memcpy(field, bytes.data(), bytes.size());
  return false;
}
