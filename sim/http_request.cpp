#include "sim/http_request.h"

#include <cctype>

namespace {

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string_view TrimSpace(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// Splits off the next line; lines end with "\n", a "\r" before it is dropped.
std::string_view NextLine(std::string_view& text) {
  const auto end = text.find('\n');
  std::string_view line = text.substr(0, end);
  text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

// Where the blank line that ends the head begins, and how long it is; npos while none arrived.
std::pair<std::size_t, std::size_t> HeadEnd(const std::string& buffer) {
  for (std::size_t at = buffer.find('\n'); at != std::string::npos; at = buffer.find('\n', at + 1)) {
    if (buffer.compare(at + 1, 2, "\r\n") == 0) return {at + 1, 2};
    if (buffer.compare(at + 1, 1, "\n") == 0) return {at + 1, 1};
  }
  return {std::string::npos, 0};
}

bool IsDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

const std::string* HttpRequest::Header(std::string_view lowerCaseName) const {
  for (const auto& [name, value] : headers)
    if (name == lowerCaseName) return &value;
  return nullptr;
}

HttpRequestReader::Status HttpRequestReader::Feed(std::string_view bytes) {
  if (status_ != Status::kIncomplete) return status_;
  buffer_.append(bytes);
  if (!headRead_) {
    const auto [end, blankLength] = HeadEnd(buffer_);
    if (end == std::string::npos) {
      if (buffer_.size() > kMaxHeadBytes) status_ = Status::kTooLarge;
      return status_;
    }
    if (end > kMaxHeadBytes) return status_ = Status::kTooLarge;
    status_ = ReadHead(std::string_view(buffer_).substr(0, end));
    if (status_ != Status::kIncomplete) return status_;
    buffer_.erase(0, end + blankLength);
    headRead_ = true;
  }
  return status_ = TakeBody();
}

HttpRequestReader::Status HttpRequestReader::ReadHead(std::string_view head) {
  std::string_view requestLine = NextLine(head);
  const auto firstSpace = requestLine.find(' ');
  const auto secondSpace = requestLine.find(' ', firstSpace + 1);
  if (firstSpace == 0 || secondSpace == std::string_view::npos || secondSpace == firstSpace + 1 ||
      requestLine.find(' ', secondSpace + 1) != std::string_view::npos)
    return Status::kBad;
  request_.method = requestLine.substr(0, firstSpace);
  const std::string_view target = requestLine.substr(firstSpace + 1, secondSpace - firstSpace - 1);
  const auto question = target.find('?');
  request_.path = target.substr(0, question);
  if (question != std::string_view::npos) request_.query = target.substr(question + 1);
  request_.version = requestLine.substr(secondSpace + 1);
  if (request_.version.rfind("HTTP/1.", 0) != 0) return Status::kBad;

  while (!head.empty()) {
    const std::string_view line = NextLine(head);
    const auto colon = line.find(':');
    // A line without a name, a name with blanks, or a continuation of the line before.
    if (colon == 0 || colon == std::string_view::npos ||
        line.substr(0, colon).find_first_of(" \t") != std::string_view::npos)
      return Status::kBad;
    request_.headers.emplace_back(Lower(line.substr(0, colon)), TrimSpace(line.substr(colon + 1)));
  }

  // The body is counted, never chunked; copies of Content-Length must agree.
  if (request_.Header("transfer-encoding")) return Status::kBad;
  bool counted = false;
  for (const auto& [name, value] : request_.headers) {
    if (name != "content-length") continue;
    if (!IsDigits(value)) return Status::kBad;
    if (value.size() > 9) return Status::kTooLarge;  // whatever its value, far beyond the limit
    const std::size_t length = std::stoul(value);
    if (counted && length != bodyLength_) return Status::kBad;
    bodyLength_ = length;
    counted = true;
  }
  if (bodyLength_ > kMaxBodyBytes) return Status::kTooLarge;
  return Status::kIncomplete;
}

HttpRequestReader::Status HttpRequestReader::TakeBody() {
  if (buffer_.size() < bodyLength_) return Status::kIncomplete;
  request_.body = buffer_.substr(0, bodyLength_);
  buffer_.clear();
  return Status::kComplete;
}
