// The devices' web server: non-blocking TCP connections on the event loop, one request each, answered
// by the web site with the faults of the device the request is for. Logs one line per request.
#pragma once
#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "sim/device_state.h"
#include "sim/event_loop.h"
#include "sim/http_request.h"
#include "sim/web_site.h"

class HttpServer {
public:
  // Listens on `bindAddress`:`port` (port 0: one the system picks).
  HttpServer(EventLoop& loop, std::vector<DeviceState>& devices, const WebSite& site,
             const std::string& bindAddress, std::uint16_t port);
  ~HttpServer();
  HttpServer(const HttpServer&) = delete;
  HttpServer& operator=(const HttpServer&) = delete;

  bool Ok() const { return listener_ >= 0; }
  const std::string& Error() const { return error_; }
  std::uint16_t Port() const { return port_; }

  // The device a request is for: the one whose address the Host header names, else the one whose
  // address the connection reached, else the first. A device that changed its address is also
  // found by its former one (after the devices that hold it now). `devices` is not empty.
  static DeviceState& DeviceFor(std::vector<DeviceState>& devices, const std::string* host,
                                const std::string& localAddress);

  // Connections beyond this many are closed at once.
  static constexpr std::size_t kMaxConnections = 64;

private:
  struct Connection {
    int fd = -1;
    std::string localAddress;
    HttpRequestReader reader;
    bool answered = false;             // the request is complete; what follows it is ignored
    std::deque<std::string> pieces;    // the answer's pieces still to send
    std::string sending;               // what is left of the piece being sent
    int pauseMs = 0;                   // between pieces
  };

  void OnAcceptable();
  void OnReadable(unsigned long id);
  void Answer(unsigned long id, Connection& connection);
  void SendPending(unsigned long id);
  void Finish(unsigned long id);
  void Close(unsigned long id);

  EventLoop& loop_;
  std::vector<DeviceState>& devices_;
  const WebSite& site_;
  int listener_ = -1;
  std::uint16_t port_ = 0;
  std::string error_;
  std::map<unsigned long, Connection> connections_;
  unsigned long nextId_ = 0;
};
