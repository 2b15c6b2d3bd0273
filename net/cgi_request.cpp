#include "net/cgi_request.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>

#include "settings/base64.h"

namespace {

constexpr std::array<const char*, 19> kCgiPaths{
    " ",                          // 0: no command uses it
    "/cgi-bin/account_mgr.cgi",   // 1
    "/cgi-bin/wizard_mgr.cgi",    // 2
    "/cgi-bin/system_mgr.cgi",    // 3
    "/cgi-bin/system_mgr.cgi",    // 4
    "/cgi-bin/network_mgr.cgi",   // 5
    "/cgi-bin/network_mgr.cgi",   // 6
    "/cgi-bin/network_mgr.cgi",   // 7
    "/cgi-bin/account_mgr.cgi",   // 8
    "/xml/current_hd_info.xml",   // 9
    "/cgi-bin/hd_config.cgi",     // 10
    "/cgi-bin/hd_config.cgi",     // 11
    "/xml/dm_read_state.xml",     // 12
    "/cgi-bin/hd_config.cgi",     // 13
    "/cgi-bin/hd_config.cgi",     // 14
    "/cgi-bin/hd_config.cgi",     // 15
    "/cgi-bin/hd_config.cgi",     // 16
    "/cgi-bin/usb_device.cgi",    // 17: no command uses it
    "/cgi-bin/account_mgr.cgi",   // 18
};

// The run of characters from `from` up to the next space (or the end), at most `limit` long;
// nothing when it is empty or longer.
std::optional<std::string_view> RunToSpace(std::string_view text, std::size_t from, std::size_t limit) {
  if (from >= text.size()) return std::nullopt;
  const std::size_t space = text.find(' ', from);
  const std::size_t end = space == std::string_view::npos ? text.size() : space;
  if (end == from || end - from > limit) return std::nullopt;
  return text.substr(from, end - from);
}

std::size_t HeaderEnd(std::string_view received) { return received.find("\r\n\r\n"); }

std::optional<std::size_t> ContentLength(std::string_view headers) {
  constexpr std::string_view kName = "\r\ncontent-length:";
  for (std::size_t at = 0; at + kName.size() <= headers.size(); ++at) {
    bool match = true;
    for (std::size_t i = 0; i < kName.size() && match; ++i)
      match = std::tolower(static_cast<unsigned char>(headers[at + i])) == kName[i];
    if (!match) continue;
    std::size_t p = at + kName.size();
    while (p < headers.size() && headers[p] == ' ') ++p;
    std::size_t value = 0;
    bool digits = false;
    for (; p < headers.size() && std::isdigit(static_cast<unsigned char>(headers[p])); ++p) {
      digits = true;
      value = value * 10 + static_cast<std::size_t>(headers[p] - '0');
      if (value > kMaxAnswerSize) return kMaxAnswerSize + 1;
    }
    if (digits) return value;
  }
  return std::nullopt;
}

}  // namespace

const char* CgiPath(int cmdIndex) {
  if (cmdIndex < 0 || cmdIndex >= static_cast<int>(kCgiPaths.size())) return nullptr;
  return kCgiPaths[static_cast<std::size_t>(cmdIndex)];
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

AnswerProgress ExamineAnswer(std::string_view received) {
  if (received.size() > kMaxAnswerSize) return AnswerProgress::kTooLarge;
  const std::size_t end = HeaderEnd(received);
  if (end == std::string_view::npos) return AnswerProgress::kPartial;
  const auto declared = ContentLength(received.substr(0, end + 2));
  if (!declared) return AnswerProgress::kPartial;
  if (*declared > kMaxAnswerSize - (end + 4)) return AnswerProgress::kTooLarge;
  return received.size() >= end + 4 + *declared ? AnswerProgress::kWhole : AnswerProgress::kPartial;
}

bool DeclaresContentLength(std::string_view received) {
  const std::size_t end = HeaderEnd(received);
  return end != std::string_view::npos && ContentLength(received.substr(0, end + 2)).has_value();
}
