#include "net/cgi_request.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "net/device_commands.h"
#include "settings/base64.h"

namespace {

// The run of characters from `from` up to the next space (or the end), at most `limit` long;
// nothing when it is empty or longer.
std::optional<std::string_view> RunToSpace(std::string_view text, std::size_t from, std::size_t limit) {
  if (from >= text.size()) return std::nullopt;
  const std::size_t space = text.find(' ', from);
  const std::size_t end = space == std::string_view::npos ? text.size() : space;
  if (end == from || end - from > limit) return std::nullopt;
  return text.substr(from, end - from);
}

constexpr std::string_view kHeadEnd = "\r\n\r\n";
constexpr std::string_view kContentLength = "content-length";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// A header value that is a plain non-negative decimal, blanks around it allowed; nothing for any
// other text. Values beyond kMaxAnswerSize read as one more than it.
std::optional<std::size_t> PlainDecimal(std::string_view value) {
  while (!value.empty() && IsBlank(value.front())) value.remove_prefix(1);
  while (!value.empty() && IsBlank(value.back())) value.remove_suffix(1);
  if (value.empty()) return std::nullopt;
  std::size_t number = 0;
  for (const char c : value) {
    if (c < '0' || c > '9') return std::nullopt;
    number = std::min(number * 10 + static_cast<std::size_t>(c - '0'), kMaxAnswerSize + 1);
  }
  return number;
}

// Whether a header line carries the header of that name (given in lower case).
bool NameIs(std::string_view line, std::string_view lowerCaseName) {
  if (line.size() <= lowerCaseName.size() || line[lowerCaseName.size()] != ':') return false;
  for (std::size_t i = 0; i < lowerCaseName.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(line[i])) != lowerCaseName[i]) return false;
  return true;
}

}  // namespace

const char* CgiPath(int cmdIndex) {
  const DeviceCommand* command = FindDeviceCommand(cmdIndex);
  return command ? command->path : nullptr;
}

std::string BasicToken(std::string_view password) {
  std::string credentials = "admin:";
  credentials += password;
  return EncodeBase64(credentials);
}

std::optional<std::string> FormatCgiRequest(std::string_view path, std::string_view host,
                                            std::string_view body, std::string_view token) {
  std::string request = "POST ";
  request += path;
  request += " HTTP/1.1\r\nHost: ";
  request += host;
  request += "\r\nContent-Length: ";
  request += std::to_string(body.size());
  request += "\r\nAuthorization: Basic ";
  request += token;
  request += "\r\nContent-Type: application/x-www-form-urlencoded\r\n\r\n";
  request += body;
  if (request.size() >= kMaxRequestSize) return std::nullopt;
  return request;
}

bool StatusLineAccepted(const std::uint8_t* data, std::size_t length) {
  // Nothing the check needs lies beyond the first line's worth of bytes.
  constexpr std::size_t kLookAt = 256;
  const std::string_view text(reinterpret_cast<const char*>(data), std::min(length, kLookAt));
  const std::string_view text0 = text.substr(0, text.find('\0'));
  if (text0.substr(0, 5) != "HTTP/") return false;
  const auto version = RunToSpace(text0, 5, 15);
  if (!version || *version != "1.1") return false;
  const auto status = RunToSpace(text0, 5 + version->size() + 1, 15);
  return status && *status == "200";
}

std::optional<int> AnswerStatusCode(std::string_view answer) {
  if (answer.substr(0, 5) != "HTTP/") return std::nullopt;
  const std::size_t space = answer.find(' ');
  if (space == std::string_view::npos || space > 16) return std::nullopt;
  const std::string_view code = answer.substr(space + 1, 3);
  const bool digits = code.size() == 3 && std::all_of(code.begin(), code.end(), [](char c) {
    return c >= '0' && c <= '9';
  });
  if (!digits) return std::nullopt;
  return (code[0] - '0') * 100 + (code[1] - '0') * 10 + (code[2] - '0');
}

AnswerReader::State AnswerReader::Take(std::string_view bytes) {
  if (state_ != State::kReading) return state_;
  if (bytes.size() > kMaxAnswerSize - received_.size()) return state_ = State::kFailed;
  // The head's end may straddle two pieces: look again from just before the new bytes.
  const std::size_t from =
      received_.size() >= kHeadEnd.size() - 1 ? received_.size() - (kHeadEnd.size() - 1) : 0;
  received_.append(bytes);
  if (headEnd_ == 0) {
    const std::size_t end = received_.find(kHeadEnd, from);
    if (end == std::string::npos) return state_;
    headEnd_ = end + kHeadEnd.size();
    state_ = ReadHead();
    if (state_ != State::kReading) return state_;
  }
  return state_ = CheckBody();
}

AnswerReader::State AnswerReader::TakeEnd() {
  if (state_ != State::kReading) return state_;
  return state_ = headEnd_ != 0 && !declared_ ? State::kWhole : State::kFailed;
}

AnswerReader::State AnswerReader::ReadHead() {
  // The header lines, each after its "\r\n"; the status line before them is not looked at.
  std::string_view head = std::string_view(received_).substr(0, headEnd_ - 2);
  head.remove_prefix(std::min(head.size(), head.find("\r\n")));
  while (!head.empty()) {
    head.remove_prefix(2);
    const std::string_view line = head.substr(0, head.find("\r\n"));
    head.remove_prefix(line.size());
    if (!NameIs(line, kContentLength)) continue;
    const auto value = PlainDecimal(line.substr(kContentLength.size() + 1));
    if (!value || (declared_ && *declared_ != *value)) return State::kFailed;
    if (*value > kMaxAnswerSize - headEnd_) return State::kFailed;
    declared_ = value;
  }
  return State::kReading;
}

AnswerReader::State AnswerReader::CheckBody() {
  if (!declared_ || received_.size() - headEnd_ < *declared_) return State::kReading;
  received_.resize(headEnd_ + *declared_);
  return State::kWhole;
}
