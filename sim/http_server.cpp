#include "sim/http_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "sim/exchange_log.h"
#include "sim/http_response.h"
#include "sim/redirect_page.h"

namespace {

// How long a connection that got its whole answer may stay open for the client to close it.
constexpr int kLingerMs = 5000;
// Answers of devices with the split fault go out in this many pieces.
constexpr int kSplitPieces = 3;

bool MakeNonBlocking(int fd) {
  const int flags = fcntl(fd, F_GETFL);
  return flags >= 0 && fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0;
}

std::string LocalAddressOf(int fd) {
  sockaddr_in local{};
  socklen_t size = sizeof local;
  char text[INET_ADDRSTRLEN] = "";
  if (getsockname(fd, reinterpret_cast<sockaddr*>(&local), &size) == 0)
    inet_ntop(AF_INET, &local.sin_addr, text, sizeof text);
  return text;
}

const char* StatusWord(HttpRequestReader::Status status) {
  return status == HttpRequestReader::Status::kTooLarge ? "too large" : "malformed";
}

}  // namespace

HttpServer::HttpServer(EventLoop& loop, std::vector<DeviceState>& devices, const WebSite& site,
                       const std::string& bindAddress, std::uint16_t port)
    : loop_(loop), devices_(devices), site_(site) {
  sockaddr_in bound{};
  bound.sin_family = AF_INET;
  bound.sin_port = htons(port);
  if (inet_pton(AF_INET, bindAddress.c_str(), &bound.sin_addr) != 1) {
    error_ = "bad address " + bindAddress;
    return;
  }
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  const int on = 1;
  socklen_t size = sizeof bound;
  if (fd < 0 || setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) != 0 ||
      bind(fd, reinterpret_cast<sockaddr*>(&bound), sizeof bound) != 0 || listen(fd, 16) != 0 ||
      !MakeNonBlocking(fd) || getsockname(fd, reinterpret_cast<sockaddr*>(&bound), &size) != 0) {
    error_ = std::strerror(errno);
    if (fd >= 0) close(fd);
    return;
  }
  listener_ = fd;
  port_ = ntohs(bound.sin_port);
  loop_.Watch(listener_, [this] { OnAcceptable(); });
}

HttpServer::~HttpServer() {
  for (const auto& [id, connection] : connections_) {
    loop_.Unwatch(connection.fd);
    close(connection.fd);
  }
  if (listener_ < 0) return;
  loop_.Unwatch(listener_);
  close(listener_);
}

DeviceState& HttpServer::DeviceFor(std::vector<DeviceState>& devices, const std::string* host,
                                   const std::string& localAddress) {
  const std::string named = host ? host->substr(0, host->find(':')) : std::string();
  for (const std::string& wanted : {named, localAddress}) {
    for (DeviceState& device : devices)
      if (device.address == wanted) return device;
    for (DeviceState& device : devices)
      if (!device.formerAddress.empty() && device.formerAddress == wanted) return device;
  }
  return devices.front();
}

void HttpServer::OnAcceptable() {
  for (;;) {
    const int fd = accept(listener_, nullptr, nullptr);
    if (fd < 0) return;  // nothing more waiting (or the client gave up already)
    const int on = 1;
    if (connections_.size() >= kMaxConnections || !MakeNonBlocking(fd) ||
        setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on) != 0) {
      close(fd);
      continue;
    }
    const unsigned long id = nextId_++;
    Connection& connection = connections_[id];
    connection.fd = fd;
    connection.localAddress = LocalAddressOf(fd);
    loop_.Watch(fd, [this, id] { OnReadable(id); });
  }
}

void HttpServer::OnReadable(unsigned long id) {
  const auto found = connections_.find(id);
  if (found == connections_.end()) return;
  Connection& connection = found->second;
  char buffer[4096];
  const ssize_t n = recv(connection.fd, buffer, sizeof buffer, 0);
  if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) return;
  if (n <= 0) return Close(id);  // the client closed, or the connection broke
  if (connection.answered) return;
  if (connection.reader.Feed(std::string_view(buffer, static_cast<std::size_t>(n))) !=
      HttpRequestReader::Status::kIncomplete)
    Answer(id, connection);
}

void HttpServer::Answer(unsigned long id, Connection& connection) {
  connection.answered = true;
  const HttpRequest& request = connection.reader.Request();
  DeviceState& device = DeviceFor(devices_, request.Header("host"), connection.localAddress);
  const auto status = connection.reader.State();
  WebAnswer answer;
  std::string what;
  if (status == HttpRequestReader::Status::kComplete) {
    what = "http " + Printable(request.method) + " " + Printable(request.path) + " " +
           (request.path == kRedirectPagePath ? DescribeRedirectVisit(request.query)
                                              : "cmd=" + Printable(WebSite::FormOf(request).Value("cmd")));
    if (device.http.fault == HttpFault::kSilent) return LogExchange(device, what + " silent");
    answer = site_.Answer(request, device);
  } else {
    what = std::string("http request ") + StatusWord(status);
    answer.status = status == HttpRequestReader::Status::kTooLarge ? 413 : 400;
  }
  if (answer.delayMs > 0) what += " after " + std::to_string(answer.delayMs) + " ms";
  LogExchange(device, what + " " + std::to_string(answer.status));
  const std::string response = RenderResponse(answer, device.http);
  for (std::string& piece :
       SplitIntoPieces(response, device.http.splitMs > 0 ? kSplitPieces : 1))
    connection.pieces.push_back(std::move(piece));
  connection.pauseMs = device.http.splitMs;
  if (answer.delayMs > 0) loop_.After(answer.delayMs, [this, id] { SendPending(id); });
  else SendPending(id);
}

void HttpServer::SendPending(unsigned long id) {
  const auto found = connections_.find(id);
  if (found == connections_.end()) return;
  Connection& connection = found->second;
  if (connection.sending.empty() && !connection.pieces.empty()) {
    connection.sending = std::move(connection.pieces.front());
    connection.pieces.pop_front();
  }
  while (!connection.sending.empty()) {
    const ssize_t n =
        send(connection.fd, connection.sending.data(), connection.sending.size(), MSG_NOSIGNAL);
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
      loop_.WatchWritable(connection.fd, [this, id] { SendPending(id); });
      return;
    }
    if (n < 0) return Close(id);
    connection.sending.erase(0, static_cast<std::size_t>(n));
  }
  loop_.UnwatchWritable(connection.fd);
  if (connection.pieces.empty()) return Finish(id);
  loop_.After(connection.pauseMs, [this, id] { SendPending(id); });
}

// The whole answer is out: say so, and close once the client has closed its side (or after a
// while), so that the answer is not cut off by a reset.
void HttpServer::Finish(unsigned long id) {
  shutdown(connections_.at(id).fd, SHUT_WR);
  loop_.After(kLingerMs, [this, id] { Close(id); });
}

void HttpServer::Close(unsigned long id) {
  const auto found = connections_.find(id);
  if (found == connections_.end()) return;
  loop_.Unwatch(found->second.fd);
  close(found->second.fd);
  connections_.erase(found);
}
