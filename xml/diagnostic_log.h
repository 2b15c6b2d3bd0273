// The diagnostics of one load, kept for inspection: one empty element per diagnostic, named by
// it, with its details as attributes, e.g. <lone_end_tag tagname="b" offset="3"/>.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

class DiagnosticLog {
public:
  // Once the log holds more than this many characters, further diagnostics are dropped.
  static constexpr std::size_t kLimit = 999;
  // Element names quoted from the document are cut to this many characters, so that one
  // diagnostic cannot copy a huge name.
  static constexpr std::size_t kQuotedNameLimit = 64;

  struct Attribute {
    std::u16string_view name;
    std::u16string_view text;
    std::int64_t number = 0;  // used instead of `text` when `isNumber` is set
    bool isNumber = false;
  };
  static Attribute Text(std::u16string_view name, std::u16string_view text) {
    return {name, text, 0, false};
  }
  static Attribute Number(std::u16string_view name, std::int64_t number) {
    return {name, {}, number, true};
  }

  void Clear() { text_.clear(); }
  void Add(std::u16string_view diagnostic, std::initializer_list<Attribute> attributes = {});
  const std::u16string& Text() const { return text_; }

private:
  void AppendEscaped(std::u16string_view text);
  void AppendNumber(std::int64_t number);

  std::u16string text_;
};
