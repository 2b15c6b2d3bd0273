// The HTTP side of the device commands, as text: the CGI paths, the request, the authorisation
// token, and the reading of what came back.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The path a command index posts to; nullptr beyond the table.
const char* CgiPath(int cmdIndex);

// Base64 of "admin:" and the password: the authorisation user is always admin.
std::string BasicToken(std::string_view password);

// Requests must stay below this size; a longer one is not built.
constexpr std::size_t kMaxRequestSize = 1024;

// The whole POST request, or nothing when it would not stay below kMaxRequestSize.
std::optional<std::string> FormatCgiRequest(std::string_view path, std::string_view host,
                                            std::string_view body, std::string_view token);

// Whether the answer starts with a status line of version "1.1" and status "200", read the way the
// device's answers have always been read: the version runs to the first space, the status from
// one character after it to the next space (so "200" right before the line end fails). Only the
// first bytes are looked at.
bool StatusLineAccepted(const std::uint8_t* data, std::size_t length);

// How much of an answer has arrived. An answer is whole when its body holds Content-Length bytes;
// without a Content-Length, only when the device closes the connection.
enum class AnswerProgress { kPartial, kWhole, kTooLarge };
// Answers beyond this size are refused rather than read on.
constexpr std::size_t kMaxAnswerSize = 1 << 20;
AnswerProgress ExamineAnswer(std::string_view received);
// Whether the headers that have arrived carry a Content-Length.
bool DeclaresContentLength(std::string_view received);
