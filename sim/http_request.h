// Reads one HTTP/1.x request as it arrives over a connection, in pieces of any size.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct HttpRequest {
  std::string method;
  std::string path;   // the target without its query
  std::string query;  // what follows the first '?' of the target, as it came
  std::string version;
  std::vector<std::pair<std::string, std::string>> headers;  // names in lower case, in order
  std::string body;

  // The value of the first header of that name (given in lower case); nothing when absent.
  const std::string* Header(std::string_view lowerCaseName) const;
};

class HttpRequestReader {
public:
  enum class Status { kIncomplete, kComplete, kBad, kTooLarge };

  // The head (request line and headers) and the body may not be longer than these.
  static constexpr std::size_t kMaxHeadBytes = 8192;
  static constexpr std::size_t kMaxBodyBytes = 65536;

  // Takes the next bytes of the connection. Once the status is no longer kIncomplete it stays as it
  // is and further bytes are ignored (bytes after the body included).
  Status Feed(std::string_view bytes);
  Status State() const { return status_; }
  const HttpRequest& Request() const { return request_; }

private:
  Status ReadHead(std::string_view head);
  Status TakeBody();

  std::string buffer_;
  bool headRead_ = false;
  std::size_t bodyLength_ = 0;
  HttpRequest request_;
  Status status_ = Status::kIncomplete;
};
