// The settings file as a whole, as anyone who can write to the user's profile may leave it: the
// input is the file's text (UTF-16 units from byte pairs). The platform's private-profile
// functions read it in the program; here a plain reading of sections and "key=value" lines (names
// without regard to case, the first of each winning) hands every value the program reads to the
// portable rules that interpret it: "Language", "LoginOutTime", "ServName", "FirstOpen", and each
// device section's "UserName" and "PassWord".
#include <cstdint>
#include <map>
#include <string>

#include "fuzz/fuzz_input.h"
#include "i18n/current_language.h"
#include "settings/base64.h"
#include "settings/fuzz/offered_timeouts.h"
#include "settings/login_out_time.h"
#include "settings/setting_names.h"

namespace {

using Text = std::u16string;

Text Lower(std::u16string_view text) {
  Text lower(text);
  for (char16_t& c : lower)
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  return lower;
}

Text Trimmed(std::u16string_view text) {
  const auto blank = [](char16_t c) { return c == u' ' || c == u'\t' || c == u'\r'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return Text(text);
}

Text Name(const wchar_t* name) { return Lower(Text(name, name + std::char_traits<wchar_t>::length(name))); }

// section -> key -> value, names lower-cased.
using Sections = std::map<Text, std::map<Text, Text>>;

Sections ReadSections(std::u16string_view file) {
  Sections sections;
  std::map<Text, Text>* current = nullptr;
  while (!file.empty()) {
    const std::size_t end = std::min(file.find(u'\n'), file.size());
    const Text line = Trimmed(file.substr(0, end));
    file.remove_prefix(std::min(end + 1, file.size()));
    if (line.size() >= 2 && line.front() == u'[') {
      const std::size_t close = line.find(u']');
      current = &sections[Lower(Trimmed(line.substr(1, close == Text::npos ? Text::npos : close - 1)))];
      continue;
    }
    const std::size_t equals = line.find(u'=');
    if (!current || equals == Text::npos) continue;
    current->emplace(Lower(Trimmed(line.substr(0, equals))), Trimmed(line.substr(equals + 1)));
  }
  return sections;
}

const Text* Value(const Sections& sections, const wchar_t* section, const wchar_t* key) {
  const auto found = sections.find(Name(section));
  if (found == sections.end()) return nullptr;
  const auto value = found->second.find(Name(key));
  return value == found->second.end() || value->second.empty() ? nullptr : &value->second;
}

// The narrow bytes a stored password's text stands for (the program converts it in the ANSI code
// page; its Base64 alphabet is ASCII, so other characters only make it invalid).
std::string Narrow(const Text& text) {
  std::string bytes;
  for (const char16_t c : text) bytes += c < 0x80 ? static_cast<char>(c) : '\x80';
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  Text file;
  for (std::uint8_t low = input.Byte(); !input.Empty(); low = input.Byte())
    file += static_cast<char16_t>(low | (input.Byte() << 8));
  const Sections sections = ReadSections(file);

  const Text* language = Value(sections, kLanguageSetting.section, kLanguageSetting.key);
  const bool named = language && (*language == u"ENG" || *language == u"CHS" || *language == u"CHT");
  FuzzRequire(SetLanguageFromSetting(language ? *language : Text()) == named,
              "a language set from another value");
  FuzzRequire(!named || Translate(u"select") != nullptr, "a language without texts");

  const Text* time = Value(sections, kLoginOutTimeSetting.section, kLoginOutTimeSetting.key);
  FuzzRequire(OfferedTimeout(InactivityTimeoutFromSetting(time ? *time : Text())),
              "a logout time that is not offered");

  // The remembered device and every device section's login.
  const Text* device = Value(sections, kServNameSetting.section, kServNameSetting.key);
  FuzzRequire(!device || !device->empty(), "an empty remembered device");
  for (const auto& [section, keys] : sections) {
    const auto stored = keys.find(Name(kPassWordKey));
    if (stored == keys.end()) continue;
    const std::string text = Narrow(stored->second);
    if (const auto password = DecodeBase64(text))
      FuzzRequire(password->size() * 4 <= text.size() * 3, "a password longer than its text");
  }
  SetLanguage(-1);
  return 0;
}
