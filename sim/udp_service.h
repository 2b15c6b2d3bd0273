// The simulator's end of the UDP device protocol: one socket on port 13579 that has joined the
// group on the device's interface. Datagrams are handed to the responder of their type byte;
// answers go to the group, as the devices send them.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "sim/event_loop.h"

class UdpService {
public:
  using Handler = std::function<void(const std::vector<std::uint8_t>& datagram)>;

  // `interfaceAddress` is the dotted address of the interface to listen and answer on.
  UdpService(EventLoop& loop, const std::string& interfaceAddress);
  ~UdpService();
  UdpService(const UdpService&) = delete;
  UdpService& operator=(const UdpService&) = delete;

  bool Ok() const { return fd_ >= 0; }
  const std::string& Error() const { return error_; }
  void Handle(std::uint8_t type, Handler handler) { handlers_[type] = std::move(handler); }
  void SendToGroup(const std::vector<std::uint8_t>& datagram);

  const std::string& InterfaceAddress() const { return interfaceAddress_; }
  // Answers leave through the interface by its new address after that interface was re-addressed.
  // The group membership stays: it belongs to the interface, whatever its addresses.
  bool UseInterfaceAddress(const std::string& address);

private:
  void OnReadable();

  EventLoop& loop_;
  int fd_ = -1;
  std::string interfaceAddress_;
  std::string error_;
  std::map<std::uint8_t, Handler> handlers_;
};

// Sends the same way a responder does; lets responders be tested without a network.
using DatagramSender = std::function<void(const std::vector<std::uint8_t>&)>;
