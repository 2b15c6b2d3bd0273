// How the command bodies are written: a form "cmd=...&key=value..." whose values are escaped, and
// the text of a record's fixed field. A value that cannot be sent whole refuses the whole body.
#pragma once
#include <cstddef>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

// The text of a fixed field up to its zero; nothing when the array holds no zero (the text would
// run past the field).
template <std::size_t N>
std::optional<std::string_view> FieldText(const char (&field)[N]) {
  const std::size_t length = strnlen(field, N);
  if (length == N) return std::nullopt;
  return std::string_view(field, length);
}

// A form body: values escaped, any refused value refusing the whole body.
class FormBody {
 public:
  explicit FormBody(std::string_view command);

  FormBody& Text(std::string_view key, std::optional<std::string_view> value);
  template <std::size_t N>
  FormBody& Field(std::string_view key, const char (&field)[N]) {
    return Text(key, FieldText(field));
  }
  FormBody& Number(std::string_view key, long long value);

  // The body; nothing when a value was refused or the body reached kMaxBodySize.
  std::optional<std::string> Finish() const;

 private:
  void AppendKey(std::string_view key);
  void AppendEscaped(std::string_view value);

  std::string body_;
  bool refused_ = false;
};
