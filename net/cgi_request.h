// The HTTP side of the device commands, as text: the CGI paths, the request, the authorisation
// token, and the reading of what came back.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The path a command index posts to (net/device_commands.h); nullptr beyond the table.
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
// The status code of an answer's status line ("HTTP/1.1 401 ..." gives 401), to tell the user what
// the device said when a read failed; nothing when there is no line of that form.
std::optional<int> AnswerStatusCode(std::string_view answer);

// Reads a device's answer as it arrives, in the pieces the receive calls return, and says when
// it is whole. An answer with a Content-Length is whole when its body has arrived (bytes after it
// are not part of it); one without is whole when the device closes the connection. Failed, and
// failed for good: an answer beyond kMaxAnswerSize, a Content-Length that is not a plain
// non-negative decimal or that contradicts another, an end before the head ended or before the
// counted body arrived.
class AnswerReader {
public:
  enum class State { kReading, kWhole, kFailed };

  // Takes the next received bytes.
  State Take(std::string_view bytes);
  // The device closed the connection or the waiting time is over: an answer without a
  // Content-Length ends here (the device's answers have always been taken as they stand when
  // the wait ends); one short of its Content-Length, or whose head never ended, failed.
  State TakeEnd();

  State Current() const { return state_; }
  // The answer as read so far: whole once the state says so.
  std::string_view Answer() const { return received_; }

private:
  State ReadHead();
  State CheckBody();

  std::string received_;
  std::size_t headEnd_ = 0;  // where the body starts, once the head has ended
  std::optional<std::size_t> declared_;
  State state_ = State::kReading;
};
// Answers beyond this size are refused rather than read on.
constexpr std::size_t kMaxAnswerSize = 1 << 20;
// How long an answer may take to arrive, from the first wait for it: the time of 101 polls of
// 70 ms with their 10 ms pauses. It is time, not a count of receive calls, so a quick device's
// answer of any size up to kMaxAnswerSize is read whole, while a device that drips its answer (or
// never sends one) still ends the exchange within it.
constexpr unsigned kAnswerTimeMs = 101 * (70 + 10);
