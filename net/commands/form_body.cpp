#include "net/commands/form_body.h"

#include "net/device_commands.h"

FormBody::FormBody(std::string_view command) : body_("cmd=") { body_ += command; }

FormBody& FormBody::Text(std::string_view key, std::optional<std::string_view> value) {
  if (!value) {
    refused_ = true;
  } else {
    AppendKey(key);
    AppendEscaped(*value);
  }
  return *this;
}

FormBody& FormBody::Number(std::string_view key, long long value) {
  AppendKey(key);
  body_ += std::to_string(value);
  return *this;
}

std::optional<std::string> FormBody::Finish() const {
  if (refused_ || body_.size() >= kMaxBodySize) return std::nullopt;
  return body_;
}

void FormBody::AppendKey(std::string_view key) {
  body_ += '&';
  body_ += key;
  body_ += '=';
}

void FormBody::AppendEscaped(std::string_view value) {
  for (const char c : value) {
    switch (c) {
      case '&': body_ += "%26"; break;
      case '=': body_ += "%3D"; break;
      case '%': body_ += "%25"; break;
      case '+': body_ += "%2B"; break;
      default: body_ += c; break;
    }
  }
}
